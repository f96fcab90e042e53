#include "printing/PortStream.h"

#include <algorithm>
#include <cerrno>

#ifndef _WIN32
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace rotulano::printing::portStream {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Longest single wait before the port's state is looked at again.
constexpr milliseconds kPollSlice{20};
constexpr milliseconds kRetryPause{2};

int msLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<long long>(0, left.count()));
}

#ifndef _WIN32
bool isSocket(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISSOCK(info.st_mode);
}

// One write; a socket is written without the signal a closed peer would raise.
ssize_t writeSome(int fd, bool socket, const char* data, std::size_t size) {
    return socket ? ::send(fd, data, size, MSG_NOSIGNAL) : ::write(fd, data, size);
}

// Waits for `events` up to the deadline: 1 ready, 0 deadline passed, -1 failed.
int waitFor(int fd, short events, Clock::time_point deadline) {
    while (true) {
        const int left = msLeft(deadline);
        if (left == 0) {
            return 0;
        }
        pollfd watch{fd, events, 0};
        const auto asked = Clock::now();
        const int ready = ::poll(&watch, 1, std::min(left, static_cast<int>(kPollSlice.count())));
        if (ready > 0) {
            // A device that cannot tell when it takes bytes again (a parallel port)
            // reports itself ready at once: it is asked again after a pause rather than
            // in a tight loop.
            if (Clock::now() - asked < kRetryPause) {
                ::usleep(static_cast<useconds_t>(kRetryPause.count() * 1000));
            }
            return 1;
        }
        if (ready < 0 && errno != EINTR) {
            return -1;
        }
    }
}
#endif

}  // namespace

Result writeAll(int fd, const std::string& bytes, milliseconds stall) {
#ifndef _WIN32
    const bool socket = isSocket(fd);
    std::size_t done = 0;
    Clock::time_point deadline = Clock::now() + stall;
    while (done < bytes.size()) {
        const ssize_t written = writeSome(fd, socket, bytes.data() + done, bytes.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
            deadline = Clock::now() + stall;
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            const int ready = waitFor(fd, POLLOUT, deadline);
            if (ready == 0) {
                return {Outcome::Stalled, 0};
            }
            if (ready < 0) {
                return {Outcome::Failed, errno};
            }
            continue;
        }
        return {Outcome::Failed, written < 0 ? errno : EIO};
    }
#else
    (void)fd, (void)bytes, (void)stall;
#endif
    return {};
}

Result drain(int fd, const std::function<long(int)>& pending, milliseconds stall) {
#ifndef _WIN32
    Clock::time_point deadline = Clock::now() + stall;
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
            deadline = Clock::now() + stall;
        }
        last = left;
        if (msLeft(deadline) == 0) {
            return {Outcome::Stalled, 0};
        }
        ::usleep(static_cast<useconds_t>(std::min(msLeft(deadline), 5) * 1000));
    }
#else
    (void)fd, (void)pending, (void)stall;
    return {};
#endif
}

Result waitWritable(int fd, milliseconds stall) {
#ifndef _WIN32
    const int ready = waitFor(fd, POLLOUT, Clock::now() + stall);
    if (ready == 0) {
        return {Outcome::Stalled, 0};
    }
    if (ready < 0) {
        return {Outcome::Failed, errno};
    }
#else
    (void)fd, (void)stall;
#endif
    return {};
}

std::string stallReason(milliseconds stall) {
    const long long tenths = (stall.count() + 99) / 100;
    std::string seconds = std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        seconds += "," + std::to_string(tenths % 10);
    }
    return "sem resposta em " + seconds + " s";
}

}  // namespace rotulano::printing::portStream
