#include "printing/ProgramSignals.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace rotulano::printing {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
static_assert(SIGHUP == ProgramSignals::kHangUp);

int wakePipe[2] = {-1, -1};
volatile std::sig_atomic_t lastSignal = 0;

extern "C" void onEndSignal(int signal) {
    const int savedErrno = errno;
    lastSignal = signal;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakePipe[1], &byte, 1);
    errno = savedErrno;
}

bool makePipe(int fds[2]) {
    if (::pipe(fds) != 0) {
        return false;
    }
    for (int i = 0; i < 2; ++i) {
        ::fcntl(fds[i], F_SETFD, FD_CLOEXEC);
        ::fcntl(fds[i], F_SETFL, ::fcntl(fds[i], F_GETFL) | O_NONBLOCK);
    }
    return true;
}

void closePipe(int fds[2]) {
    for (int i = 0; i < 2; ++i) {
        if (fds[i] >= 0) {
            ::close(fds[i]);
            fds[i] = -1;
        }
    }
}

void setHandler(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace

ProgramSignals::ProgramSignals() {
    lastSignal = 0;
    if (!makePipe(wakePipe) || !makePipe(stopPipe_)) {
        closePipe(wakePipe);
        closePipe(stopPipe_);
        return;
    }
    setHandler(onEndSignal);
    ready_ = true;
}

ProgramSignals::~ProgramSignals() {
    stopWatching();
    if (ready_) {
        setHandler(SIG_DFL);
    }
    closePipe(stopPipe_);
    closePipe(wakePipe);
}

void ProgramSignals::stopWatching() {
    if (watcher_.joinable()) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(stopPipe_[1], &byte, 1);
        watcher_.join();
    }
}

int ProgramSignals::wakeFd() const {
    return wakePipe[0];
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
    pollfd fds[2] = {{wakePipe[0], POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    while (true) {
        const int ready = ::poll(fds, 2, -1);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready > 0 && (fds[0].revents & POLLIN) != 0) {
            onSignal(lastSignal);
        }
        return;
    }
}

}  // namespace rotulano::printing
