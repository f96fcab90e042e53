#include "printing/PortStream.h"

#include <algorithm>
#include <cerrno>
#include <thread>

#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rotulano::printing::portStream {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Longest single wait before the port's state, the stall time and a cancel are looked
// at again.
constexpr milliseconds kPollSlice{20};
// A device that cannot tell when it takes bytes again (a parallel port) reports itself
// ready at once: it is asked again after this pause rather than in a tight loop.
constexpr milliseconds kRetryPause{2};
// How often a draining queue is asked for its length.
constexpr milliseconds kDrainSlice{5};

bool isSocket(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISSOCK(info.st_mode);
}

// One write; a socket is written without the signal a closed peer would raise.
ssize_t writeSome(int fd, bool socket, const char* data, std::size_t size) {
    return socket ? ::send(fd, data, size, MSG_NOSIGNAL) : ::write(fd, data, size);
}

// What poll's error events say: a device hung up; a connection failed with its error (a
// refused connection says so here).
Result fromErrorEvents(int fd, short revents) {
    if (!isSocket(fd)) {
        return {Outcome::HungUp, 0};
    }
    if ((revents & POLLNVAL) != 0) {
        return {Outcome::Failed, EBADF};
    }
    const int error = socketError(fd);
    return {Outcome::Failed, error != 0 ? error : EPIPE};
}

constexpr short kErrorEvents = POLLERR | POLLHUP | POLLNVAL;

// Waits for `events` while the clock allows: Done once ready, Stalled once the wait is
// over, Failed or HungUp as the port says.
Result waitFor(int fd, short events, const StallClock& clock) {
    while (true) {
        const milliseconds left = clock.left();
        if (left.count() <= 0) {
            return {Outcome::Stalled, 0};
        }
        pollfd watch{fd, events, 0};
        const auto asked = Clock::now();
        const int ready = ::poll(&watch, 1, static_cast<int>(std::min(left, kPollSlice).count()));
        if (ready > 0 && (watch.revents & kErrorEvents) != 0) {
            return fromErrorEvents(fd, watch.revents);
        }
        if (ready > 0) {
            if (Clock::now() - asked < kRetryPause) {
                std::this_thread::sleep_for(kRetryPause);
            }
            return {};
        }
        if (ready < 0 && errno != EINTR) {
            return {Outcome::Failed, errno};
        }
    }
}

// A write that failed: on a device whose other side is gone (a terminal whose line hung up
// says EIO, an unplugged USB printer ENODEV) the port's own hang-up says why.
Result writeFailure(int fd, int error) {
    pollfd watch{fd, 0, 0};
    if (::poll(&watch, 1, 0) > 0 && (watch.revents & kErrorEvents) != 0 && !isSocket(fd)) {
        return {Outcome::HungUp, error};
    }
    return {Outcome::Failed, error};
}

// Pauses up to `time`, ending early when the device hangs up: Done or HungUp.
Result pauseWatching(int fd, milliseconds time) {
    pollfd watch{fd, 0, 0};
    if (::poll(&watch, 1, static_cast<int>(time.count())) > 0 &&
        (watch.revents & kErrorEvents) != 0) {
        return fromErrorEvents(fd, watch.revents);
    }
    return {};
}

}  // namespace

// The stall time starts again with every byte the port takes, so a slow printer is never
// cut off, only a dead one.
Result writeAll(int fd, const std::string& bytes, StallClock& clock) {
    const bool socket = isSocket(fd);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = writeSome(fd, socket, bytes.data() + done, bytes.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
            clock.progressed();
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            Result ready = waitFor(fd, POLLOUT, clock);
            if (!ready.done()) {
                ready.written = done;
                return ready;
            }
            continue;
        }
        Result failed = written < 0 ? writeFailure(fd, errno) : Result{Outcome::Failed, EIO};
        failed.written = done;
        return failed;
    }
    return {Outcome::Done, 0, done};
}

int socketError(int fd) {
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0) {
        return errno;
    }
    return error;
}

long serialQueue(int fd) {
    int queued = 0;
    return ::ioctl(fd, TIOCOUTQ, &queued) == 0 ? queued : -1;
}

Result drain(int fd, const std::function<long(int)>& pending, StallClock& clock) {
    long last = -1;
    while (true) {
        const long left = pending(fd);
        if (left < 0) {
            return {Outcome::Failed, errno};
        }
        if (left == 0) {
            return {};
        }
        if (last >= 0 && left < last) {
            clock.progressed();
        }
        last = left;
        const milliseconds time = clock.left();
        if (time.count() <= 0) {
            return {Outcome::Stalled, 0};
        }
        const Result watched = pauseWatching(fd, std::min(time, kDrainSlice));
        if (!watched.done()) {
            return watched;
        }
    }
}

Result waitWritable(int fd, const StallClock& clock) {
    return waitFor(fd, POLLOUT, clock);
}

}  // namespace rotulano::printing::portStream
