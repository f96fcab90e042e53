#include "printing/PortStream_win.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <thread>

namespace rotulano::printing::portStream {

namespace {

using std::chrono::milliseconds;

// Longest single wait before the stall time and a cancel are looked at again.
constexpr milliseconds kWaitSlice{20};
// How often a draining queue is asked for its length.
constexpr milliseconds kDrainSlice{5};
// A write that took nothing is tried again after this pause rather than in a tight loop.
constexpr milliseconds kRetryPause{2};
// The bytes of one write. A write is seen to progress only once it completes, so a slow
// line (300 bit/s: 30 bytes a second) must complete one well within the stall limit.
constexpr DWORD kLargestWrite = 256;

}  // namespace

HANDLE handleOf(int fd) {
    return reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
}

int descriptorOf(HANDLE handle) {
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(handle);
    }
    return fd;
}

void closePort(int fd) {
    ::_close(fd);
}

int errnoOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
            return ENOENT;
        // A port opened for this program alone: another one's open fails so.
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_BUSY:
            return EBUSY;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
        case ERROR_NO_SYSTEM_RESOURCES:
            return ENOMEM;
        case ERROR_INVALID_PARAMETER:
        case ERROR_INVALID_FUNCTION:
        case ERROR_NOT_SUPPORTED:
            return EINVAL;
        case ERROR_BROKEN_PIPE:
        case ERROR_NO_DATA:
            return EPIPE;
        case ERROR_DEVICE_NOT_CONNECTED:
        case ERROR_DEV_NOT_EXIST:
        case ERROR_BAD_UNIT:
        case ERROR_NOT_READY:
            return ENODEV;
        default:
            return EIO;
    }
}

bool meansHungUp(DWORD error) {
    return errnoOf(error) == EPIPE || errnoOf(error) == ENODEV || error == ERROR_BAD_COMMAND ||
           error == ERROR_GEN_FAILURE;
}

Result failureOf(DWORD error) {
    return {meansHungUp(error) ? Outcome::HungUp : Outcome::Failed, errnoOf(error)};
}

OverlappedEvent::OverlappedEvent() : event_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

OverlappedEvent::~OverlappedEvent() {
    if (event_ != nullptr) {
        ::CloseHandle(event_);
    }
}

OVERLAPPED& OverlappedEvent::start(unsigned long long offset) {
    overlapped_ = OVERLAPPED{};
    overlapped_.Offset = static_cast<DWORD>(offset & 0xffffffffULL);
    overlapped_.OffsetHigh = static_cast<DWORD>(offset >> 32);
    overlapped_.hEvent = event_;
    return overlapped_;
}

Result finishOverlapped(HANDLE port, OVERLAPPED& pending, DWORD& transferred,
                        const std::function<milliseconds()>& left) {
    transferred = 0;
    while (true) {
        const milliseconds time = left();
        if (time.count() <= 0) {
            ::CancelIoEx(port, &pending);
            // A cancelled operation completes at once; it may also have completed first.
            if (::GetOverlappedResult(port, &pending, &transferred, TRUE)) {
                return {};
            }
            return {Outcome::Stalled, 0};
        }
        const DWORD waited = ::WaitForSingleObject(
            pending.hEvent, static_cast<DWORD>(std::min(time, kWaitSlice).count()));
        if (waited == WAIT_OBJECT_0) {
            if (::GetOverlappedResult(port, &pending, &transferred, FALSE)) {
                return {};
            }
            return failureOf(::GetLastError());
        }
        if (waited != WAIT_TIMEOUT) {
            const DWORD error = ::GetLastError();
            ::CancelIoEx(port, &pending);
            ::GetOverlappedResult(port, &pending, &transferred, TRUE);
            return failureOf(error);
        }
    }
}

// The port is written a slice at a time, each write waited on within the stall time,
// which starts again with every slice the port takes: a slow printer is never cut off,
// only a dead one.
Result writeAll(int fd, const std::string& bytes, StallClock& clock) {
    const HANDLE port = handleOf(fd);
    OverlappedEvent event;
    if (!event.ready()) {
        return failureOf(::GetLastError());
    }
    const auto left = [&clock] { return clock.left(); };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD size =
            static_cast<DWORD>(std::min<std::size_t>(kLargestWrite, bytes.size() - done));
        OVERLAPPED& pending = event.start(OverlappedEvent::kEndOfFile);
        DWORD transferred = 0;
        Result result;
        if (!::WriteFile(port, bytes.data() + done, size, nullptr, &pending)) {
            const DWORD error = ::GetLastError();
            result = error == ERROR_IO_PENDING ? finishOverlapped(port, pending, transferred, left)
                                               : failureOf(error);
        } else if (!::GetOverlappedResult(port, &pending, &transferred, FALSE)) {
            result = failureOf(::GetLastError());
        }
        done += transferred;
        if (transferred > 0) {
            clock.progressed();
        }
        if (result.done() && transferred == 0 && clock.left().count() <= 0) {
            result = {Outcome::Stalled, 0};
        }
        if (!result.done()) {
            result.written = done;
            return result;
        }
        if (transferred == 0) {
            std::this_thread::sleep_for(kRetryPause);
        }
    }
    return {Outcome::Done, 0, done};
}

// A network connection on this system is Winsock's, which takes its own errors
// (TcpConnection_win.cpp): no port descriptor is ever one.
int socketError(int) {
    return 0;
}

long serialQueue(int fd) {
    DWORD errors = 0;
    COMSTAT state{};
    if (!::ClearCommError(handleOf(fd), &errors, &state)) {
        errno = errnoOf(::GetLastError());
        return -1;
    }
    return static_cast<long>(state.cbOutQue);
}

// A driver that reports its queue empty at once ends the wait at once: the row then
// counts from its last completed write (see portKind::settle).
Result drain(int fd, const std::function<long(int)>& pending, StallClock& clock) {
    long last = -1;
    while (true) {
        const long left = pending(fd);
        if (left < 0) {
            const int error = errno;
            return {error == EPIPE || error == ENODEV ? Outcome::HungUp : Outcome::Failed, error};
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
        std::this_thread::sleep_for(std::min(time, kDrainSlice));
    }
}

// Every write of a port is waited on to its completion (writeAll): once it has
// completed, the port can take bytes again.
Result waitWritable(int, const StallClock&) {
    return {};
}

}  // namespace rotulano::printing::portStream
