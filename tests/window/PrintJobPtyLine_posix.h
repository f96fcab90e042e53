#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>

namespace rotulano::test {

// A serial line made of a pseudo-terminal: the program opens portSide() as it opens a
// COM port, and received() returns what reached the printer's end. The line is left as
// the system makes a new terminal (CR LF translation on), so bytes arrive unchanged only
// when the writer puts it in raw mode. The printer's end is read all the time, so a long
// job never fills the line.
class PrintJobPtyLine {
  public:
    PrintJobPtyLine();
    ~PrintJobPtyLine();
    PrintJobPtyLine(const PrintJobPtyLine&) = delete;
    PrintJobPtyLine& operator=(const PrintJobPtyLine&) = delete;

    bool ready() const { return master_ >= 0 && holder_ >= 0; }
    const std::string& portSide() const { return path_; }

    // The bytes received so far, after waiting until at least `expected` came and then a
    // little longer, so that an extra byte is caught too.
    std::string received(std::size_t expected,
                         std::chrono::milliseconds timeout = std::chrono::seconds(5));

  private:
    void readLoop();
    std::string snapshot();

    int master_ = -1;
    int holder_ = -1;  // keeps the port side open between the program's writes
    std::string path_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::string bytes_;
    std::thread reader_;
};

}  // namespace rotulano::test
