#pragma once

#include <QProcess>
#include <QStringList>
#include <string>
#include <vector>

// Helpers of the rotulano-render tests: the sample order, hand-made settings records and
// order files, the job's expected bytes built straight from the label layouts and the
// logo download, and a run of the built tool as a process.
namespace rotulano::test {

// The order number in positions 47-52 of the sample order's header.
inline const std::string kSampleOrderNumber = "004711";

// The lines of samples/PEDIDO.txt without their line ends: the header, then the items.
std::vector<std::string> sampleLines();
// The item lines of samples/PEDIDO.txt, as the grid holds them.
std::vector<std::string> sampleItems();

// A 146-byte settings record: model and port positions, darkness 10, pause on, margins 0,
// speed "A", Portuguese, the filler of "0".
std::string settingsRecord(int model, const std::string& port = "01");

// A 300-byte order header of format version 020500.
std::string orderHeader();

// Lines joined with CR LF, as the chain sends them.
std::string orderFile(const std::vector<std::string>& lines);

// What the printer gets when the print job prints `rows` (from 1, in this order) of
// `items` with the settings `record`: for each row, the logo download before the first
// label whose layout shows the logo (from `logoDir`, left out when its file is missing),
// then the label file of the row's layout.
std::string expectedJob(const std::vector<std::string>& items, const std::vector<int>& rows,
                        const std::string& record, const std::string& logoDir);

// The bytes the logo download sends for model `model`, the logo files taken from `logoDir`.
std::string expectedLogo(int model, const std::string& logoDir);

// How a run of rotulano-render ended.
struct RenderRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built rotulano-render with `arguments` in `workingDir`, its temporary
// directory (TMPDIR) set to `tempDir` when given.
RenderRun runRender(const QStringList& arguments, const QString& workingDir,
                    const QString& tempDir = {});

// Starts the built rotulano-render as runRender does, without waiting for it.
void startRender(QProcess& process, const QStringList& arguments, const QString& workingDir,
                 const QString& tempDir = {});

}  // namespace rotulano::test
