#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/PrinterSettings.h"
#include "support/ChildProcess.h"
#include "support/TestSupport.h"

// A work folder of its own for each rotulano-render run of the robustness tests, holding a
// copy of the sample order and Zebra settings, so that no test can touch samples/.
namespace rotulano::test {

inline const std::string kTag = "rotulano-render: ";
inline const std::string kFull = "status 34: Falta espaço em area de memória";
inline const std::string kFullCause =
    "disco cheio, ou o arquivo passa do tamanho que o sistema permite";

// Runs the built rotulano-render with `arguments` (bytes) in a child set up as asked.
// The names in `folder`, sorted: a save cut short leaves nothing behind.
inline std::vector<std::string> folderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

inline ChildRun runRenderProcess(const std::vector<std::string>& arguments,
                                 const ChildSetup& setup) {
    return runProgram(ROTULANO_RENDER_EXE, arguments, setup);
}

class RenderFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        test::writeBytes(order, test::readBytes(test::samplePath("PEDIDO.txt")));
        rotulano::core::PrinterSettings zebra = rotulano::core::PrinterSettings::defaults();
        zebra.setModel(5);
        test::writeBytes(settings, zebra.record());
    }

    std::string file(const std::string& name) const {
        return dir.path().toStdString() + "/" + name;
    }

    // Row 1 (a tag, with the logo) of the sample order on a Zebra printer, the logos of
    // the work folder (none unless a test puts one there), and `more`.
    ChildRun render(const std::vector<std::string>& more, long long fileSizeLimit = -1) const {
        return renderIn(ChildSetup{fileSizeLimit, false, {}}, more);
    }

    // The same run in a child set up as asked.
    ChildRun renderIn(const ChildSetup& setup, const std::vector<std::string>& more) const {
        std::vector<std::string> arguments = {
            order, "--settings", settings, "--rows", "1", "--logo-dir", dir.path().toStdString()};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return test::runRenderProcess(arguments, setup);
    }

    // What the run writes to standard output when nothing else is asked.
    ChildRun reference() const { return render({}); }

    QTemporaryDir dir;
    const std::string order = file("PEDIDO.txt");
    const std::string settings = file("ZEBRA.DAT");
};

}  // namespace rotulano::test
