#include <windows.h>

#include <atomic>
#include <csignal>

#include "printing/ProgramSignals.h"

// The console's requests to end, taken as Linux takes its signals:
//   Linux      Windows (SetConsoleCtrlHandler)
//   SIGINT     CTRL_C_EVENT, CTRL_BREAK_EVENT
//   SIGHUP     CTRL_CLOSE_EVENT (the console window closed)
//   SIGTERM    CTRL_LOGOFF_EVENT, CTRL_SHUTDOWN_EVENT
// The handler runs on a thread the system starts for it: it records the signal and sets
// an event. For a close, log-off or shut-down the system ends the process as soon as the
// handler returns, so the handler waits (a few seconds at most, less than the system
// allows) for the watching thread to have run what it was given, so that the print job
// is cancelled and its print folder removed first.
namespace rotulano::printing {

namespace {

// How long a closing console waits for the job to be cancelled; Windows allows 5 s.
constexpr DWORD kCloseGraceMs = 4000;

HANDLE signalEvent = nullptr;   // set once a signal has come
HANDLE handledEvent = nullptr;  // set once the watcher has run its reaction
std::atomic<int> lastSignal{0};

int signalOf(DWORD event) {
    switch (event) {
        case CTRL_C_EVENT:
        case CTRL_BREAK_EVENT:
            return SIGINT;
        case CTRL_CLOSE_EVENT:
            return ProgramSignals::kHangUp;
        default:
            return SIGTERM;
    }
}

BOOL WINAPI onConsoleEvent(DWORD event) {
    lastSignal = signalOf(event);
    ::SetEvent(signalEvent);
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
        ::WaitForSingleObject(handledEvent, kCloseGraceMs);
    }
    return TRUE;
}

void closeEvent(HANDLE& event) {
    if (event != nullptr) {
        ::CloseHandle(event);
        event = nullptr;
    }
}

}  // namespace

ProgramSignals::ProgramSignals() {
    lastSignal = 0;
    signalEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    handledEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    stopEvent_ = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (signalEvent == nullptr || handledEvent == nullptr || stopEvent_ == nullptr ||
        !::SetConsoleCtrlHandler(onConsoleEvent, TRUE)) {
        closeEvent(signalEvent);
        closeEvent(handledEvent);
        HANDLE stop = stopEvent_;
        closeEvent(stop);
        stopEvent_ = nullptr;
        return;
    }
    ready_ = true;
}

ProgramSignals::~ProgramSignals() {
    stopWatching();
    if (ready_) {
        ::SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    }
    // A handler still waiting for a close goes on at once.
    if (handledEvent != nullptr) {
        ::SetEvent(handledEvent);
    }
    HANDLE stop = stopEvent_;
    closeEvent(stop);
    stopEvent_ = nullptr;
    closeEvent(handledEvent);
    closeEvent(signalEvent);
}

void ProgramSignals::stopWatching() {
    if (watcher_.joinable()) {
        ::SetEvent(stopEvent_);
        watcher_.join();
    }
}

void* ProgramSignals::wakeEvent() const {
    return signalEvent;
}

int ProgramSignals::caught() const {
    return lastSignal;
}

void ProgramSignals::watch(std::function<void(int)> onSignal) {
    if (!ready_ || watcher_.joinable()) {
        return;
    }
    watcher_ = std::thread([this, onSignal = std::move(onSignal)] { waitForSignal(onSignal); });
}

void ProgramSignals::waitForSignal(const std::function<void(int)>& onSignal) const {
    const HANDLE events[2] = {signalEvent, stopEvent_};
    if (::WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0) {
        onSignal(lastSignal);
        ::SetEvent(handledEvent);
    }
}

}  // namespace rotulano::printing
