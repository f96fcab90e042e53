#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <string>

namespace rotulano::test {

// Two pseudo-terminals joined by socat, standing in for a serial printer: the program
// writes to portSide() as it would to COM1, and received() returns what the printer
// side got. The port side is left as the system makes a new terminal (CR/LF
// translation on), so only a writer that puts the line in raw mode delivers bytes
// unchanged. ready() is false when socat is not installed.
class PtyPair {
  public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ready() const { return reader_ >= 0; }
    std::string portSide() const;

    // The bytes that reached the printer side: waits until at least `expected` bytes
    // came and then a little longer, so that any extra byte is caught as well.
    std::string received(std::size_t expected,
                         std::chrono::milliseconds timeout = std::chrono::seconds(5));

  private:
    QTemporaryDir dir_;
    QProcess socat_;
    int reader_ = -1;
};

}  // namespace rotulano::test
