#pragma once

#include <QString>
#include <string>

#include "core/OrderLine.h"
#include "printing/PrintEngine.h"
#include "printing/SystemPlatform.h"
#include "window/FileDialogService.h"
#include "window/MessageBoxService.h"

// What the benchmarks share: the sample order grown to a full order, and stand-ins for
// the boxes and the file chooser of the main window.
namespace rotulano::bench {

// The sample order's header followed by its item lines over and over up to 999 items:
// every label type, on both languages' layouts. Lines end in CR LF.
std::string fullOrder();

// The first `count` rows of the full order as a job for order 004711, Zebra model, LPT1,
// with the quantities of its file.
printing::JobRequest fullOrderRows(int count);

// How many of the job's rows were printed.
std::size_t rowsPrinted(const printing::JobReport& report);

// The worked tag item: label type `code`, 3 labels, product 1234567890, price 123,45,
// size "GG", old price `oldPrice`, order 654321.
core::OrderLine workedTagItem(char code, const std::string& oldPrice);

// Answers every box with 1 and counts them: a box in a benchmark run is a failure.
class SilentBox : public window::MessageBoxService {
  public:
    int show(const QString&, const QString&, int) override {
        ++shown;
        return 1;
    }
    int shown = 0;
};

// The operator cancels every file chooser.
class NoDialog : public window::FileDialogService {
  public:
    bool chooseFile(QString&, const QString&, const QString&) override { return false; }
};

// The system's own file and device code, with the print files and the ports (a port
// "LPT1" is the file <folder>/LPT1) in a folder of the bench's own, and no waiting for
// the printer.
class FilePortPlatform : public printing::SystemPlatform {
  public:
    explicit FilePortPlatform(std::string folder) : folder_(std::move(folder)) {}
    std::string tempDir() override { return folder_ + "/"; }
    std::string portDevice(const std::string& portName) override {
        return folder_ + "/" + portName;
    }
    void sleepFor(std::chrono::milliseconds) override { ++waitsSkipped; }

    int waitsSkipped = 0;

  private:
    std::string folder_;
};

// Runs the benchmarks inside a QApplication, offscreen unless a platform is set.
int runWindowBenchmarks(int argc, char** argv);

}  // namespace rotulano::bench
