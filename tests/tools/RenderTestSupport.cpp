#include "RenderTestSupport.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "core/FixedRecord.h"
#include "core/LabelRequest.h"
#include "labels/RoutineChoice.h"
#include "preview/ProgramFonts.h"
#include "printing/LabelFileBytes.h"
#include "support/LogoDownloadBytes.h"
#include "support/TestSupport.h"

namespace rotulano::test {

namespace {

// The renderer's pictures are compared with the test's own drawings: both are drawn with
// the faces the Windows programs carry beside them (the test program has them too).
class ProgramFontsEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { preview::addProgramFonts(); }
};

const ::testing::Environment* const kProgramFonts =
    ::testing::AddGlobalTestEnvironment(new ProgramFontsEnvironment);

// The order line as the print job hands it over: the file's quantity stays, the order
// number goes into positions 295-300.
core::LabelRequest requestFor(const std::string& item, const std::string& record) {
    core::LabelRequest request{core::OrderLine(item), core::PrinterSettings(record)};
    request.line.set(core::item::kOrderNumber, kSampleOrderNumber);
    return request;
}

}  // namespace

std::vector<std::string> sampleLines() {
    const std::string bytes = readBytes(samplePath("PEDIDO.txt"));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        end = end == std::string::npos ? bytes.size() : end;
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> sampleItems() {
    std::vector<std::string> lines = sampleLines();
    lines.erase(lines.begin());
    return lines;
}

std::string settingsRecord(int model, const std::string& port) {
    std::string record = "1" + core::zeroPadded(model, 2) + port + "10S0000A1";
    return record + std::string(146 - record.size(), '0');
}

std::string orderHeader() {
    std::string header = core::padRight("0112345678000195CONFECCOES TESTE LTDA", 46) +
                         kSampleOrderNumber + "01" + "0512202506122025";
    header = core::padRight(header, 250) + "020500";
    return core::padRight(header, 300);
}

std::string orderFile(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

std::string expectedLogo(int model, const std::string& logoDir) {
    return logoDownloadBytes(model, logoDir);
}

std::string expectedJob(const std::vector<std::string>& items, const std::vector<int>& rows,
                        const std::string& record, const std::string& logoDir) {
    const int model = core::PrinterSettings(record).model();
    const std::string logoFile = logoDir + (model >= 5 ? "/LOGOVRDL.GRF" : "/LOGOVRDL.BMP");
    const bool logoPresent = !readBytes(logoFile).empty();
    bool logoSent = false;
    std::string bytes;
    for (int row : rows) {
        const std::string& item = items.at(static_cast<std::size_t>(row - 1));
        const labels::LabelRoutine routine = labels::chooseLabelRoutine(model, item.at(1));
        if (routine == nullptr) {
            continue;
        }
        const labels::LabelOutput output = routine(requestFor(item, record));
        if (output.logo != labels::LogoPoint::None && !logoSent) {
            bytes += logoPresent ? expectedLogo(model, logoDir) : std::string();
            logoSent = true;
        }
        bytes += printing::labelFileBytes(output.lines);
    }
    return bytes;
}

void startRender(QProcess& process, const QStringList& arguments, const QString& workingDir,
                 const QString& tempDir) {
    process.setProgram(QStringLiteral(ROTULANO_RENDER_EXE));
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDir);
    if (!tempDir.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), tempDir);
        process.setProcessEnvironment(environment);
    }
    process.start();
}

RenderRun runRender(const QStringList& arguments, const QString& workingDir,
                    const QString& tempDir) {
    QProcess process;
    startRender(process, arguments, workingDir, tempDir);
    RenderRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

}  // namespace rotulano::test
