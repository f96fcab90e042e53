#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <string>

namespace rotulano::printing::portStream {

// Writing to an open port (a device, a print file or a network connection, opened
// non-blocking; on Windows opened for overlapped I/O, see PortStream_win.h) so that a
// printer that stops taking bytes can never hang the program: every wait is bounded by the
// stall limit, which starts again whenever the port takes a byte.
// HungUp: the device reported its other side gone (the system's POLLHUP, POLLERR or
// POLLNVAL): a printer switched off or unplugged, a pipe whose reader went away. A network
// connection never hangs up here: its errors are failures with their errno.
enum class Outcome { Done, Stalled, Failed, HungUp };

struct Result {
    Outcome outcome = Outcome::Done;
    int error = 0;  // errno of a failure
    // Bytes the port took before the result: a row that fails after any of them may be
    // partly printed.
    std::size_t written = 0;

    bool done() const { return outcome == Outcome::Done; }
};

// After a cancel, how long a port may take nothing before the wait for it ends, and how
// long a network printer that has acknowledged a whole row is given to close its side.
inline constexpr std::chrono::milliseconds kCancelGrace{1000};

// When a wait for the port is given up: once the port has taken nothing for the stall
// limit, or, after a cancel (`stop` turned true), for a short grace. A slow port that
// still takes bytes thus finishes the piece in flight after a cancel; a port that has
// stopped is left at once.
class StallClock {
  public:
    StallClock(std::chrono::milliseconds stall, const std::atomic<bool>& stop);
    // A clock that no cancel shortens.
    explicit StallClock(std::chrono::milliseconds stall);

    // The port took bytes: the limit starts again.
    void progressed();
    // How long the wait may still go on; zero or less once it is over.
    std::chrono::milliseconds left() const;

    // The cancel of a wait that nothing cancels.
    static const std::atomic<bool> kNeverStopped;

  private:
    std::chrono::milliseconds stall_;
    const std::atomic<bool>& stop_;
    std::chrono::steady_clock::time_point progress_;
};

// Writes every byte of `bytes`, waiting while the port is busy. A wait that finds the
// device hung up ends the write.
Result writeAll(int fd, const std::string& bytes, StallClock& clock);
Result writeAll(int fd, const std::string& bytes, std::chrono::milliseconds stall);

// The error pending on a network connection (0 when none), taken from it.
int socketError(int fd);

// The bytes a serial line still holds on the program's side, or -1 with errno set.
long serialQueue(int fd);

// Waits until `pending` (bytes the system still holds for the port, or -1 with errno set)
// says 0. The limit starts again whenever the count goes down; a device that hangs up
// meanwhile ends the wait.
Result drain(int fd, const std::function<long(int)>& pending, StallClock& clock);
Result drain(int fd, const std::function<long(int)>& pending, std::chrono::milliseconds stall);

// Waits until the port can take bytes again, within the limit: the last write to a
// printer driver that cannot tell its queue has completed by then.
Result waitWritable(int fd, const StallClock& clock);

// "30 s", "0,5 s": a limit as the messages give it, in tenths of a second rounded up.
std::string secondsText(std::chrono::milliseconds limit);

// "sem resposta em 30 s", "sem resposta em 0,5 s".
std::string stallReason(std::chrono::milliseconds stall);

// The reason of a row whose device hung up (HungUp).
inline constexpr const char* kHungUpReason = "a impressora foi desligada ou desconectada";

}  // namespace rotulano::printing::portStream
