#pragma once

#include <functional>
#include <string>
#include <thread>

namespace rotulano::printing {

// The signals that ask a program to end (SIGTERM, SIGHUP, SIGINT), caught for as long as
// the object lives, so that a print job is cancelled and its print folder removed instead
// of the program dying where it stands. The handler only records the signal and writes a
// byte into a pipe of its own (nothing else is safe inside a handler); the program reads
// that pipe from its event loop (a QSocketNotifier on wakeFd()) or has watch() run a
// thread that waits on it. One object at a time; the system's default handling comes
// back when it goes. On Windows the console's Ctrl+C, close, log-off and shut-down are
// taken the same way (ProgramSignals_win.cpp says how each maps) and keep the numbers of
// the signals they stand for, so that exit statuses are those of Linux.
class ProgramSignals {
  public:
    // The number of SIGHUP, which Windows does not define.
    static constexpr int kHangUp = 1;

    ProgramSignals();
    ~ProgramSignals();
    ProgramSignals(const ProgramSignals&) = delete;
    ProgramSignals& operator=(const ProgramSignals&) = delete;

    // False when the pipe or the handlers could not be set up (the signals then end the
    // program as before).
    bool ready() const { return ready_; }

#ifdef _WIN32
    // An event (a HANDLE) set once a signal has come.
    void* wakeEvent() const;
#else
    // Readable once a signal has come.
    int wakeFd() const;
#endif

    // The last signal caught; 0 before any.
    int caught() const;

    // Runs `onSignal` with the signal's number, on a thread of its own, the first time
    // one of the signals comes. The thread ends with the object.
    void watch(std::function<void(int)> onSignal);
    // Ends the watching thread (before what `onSignal` uses goes); a signal that comes
    // later is still recorded.
    void stopWatching();

    // The signal's name: "SIGTERM", "SIGHUP", "SIGINT".
    static std::string name(int signal);

  private:
    void waitForSignal(const std::function<void(int)>& onSignal) const;

    bool ready_ = false;
#ifdef _WIN32
    void* stopEvent_ = nullptr;  // ends the watching thread
#else
    int stopPipe_[2] = {-1, -1};  // ends the watching thread
#endif
    std::thread watcher_;
};

}  // namespace rotulano::printing
