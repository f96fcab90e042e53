#include <linux/sockios.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "printing/PortKind.h"
#include "printing/PortReading.h"
#include "printing/SocketAddress.h"
#include "printing/TcpConnection.h"

namespace rotulano::printing {

namespace {

constexpr int kMostReadsAtATime = 16;

}  // namespace

TcpConnection::~TcpConnection() {
    close();
}

portStream::Result TcpConnection::open(const std::string& address, int port,
                                       const portStream::StallClock& clock) {
    const AddressList found = numericAddress(address, port);
    if (!found) {
        return {portStream::Outcome::Failed, 0};
    }
    const int fd = ::socket(found->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    int error = fd < 0 ? errno : 0;
    if (fd >= 0 && ::connect(fd, found->ai_addr, found->ai_addrlen) != 0) {
        error = errno;
    }
    if (fd >= 0) {
        socket_ = fd;
    }
    if (error == EINPROGRESS) {
        const portStream::Result ready = portStream::waitWritable(fd, clock);
        if (ready.outcome == portStream::Outcome::Stalled) {
            close();
            return ready;
        }
        error = ready.done() ? portStream::socketError(fd) : ready.error;
    }
    if (error == 0 && connectedToItself(fd)) {
        error = ECONNREFUSED;
    }
    if (error != 0) {
        close();
        return {portStream::Outcome::Failed, error};
    }
    return {};
}

portStream::Result TcpConnection::write(const std::string& bytes, portStream::StallClock& clock) {
    const portStream::Result result = portStream::writeAll(static_cast<int>(socket_), bytes, clock);
    written_ += result.written;
    return result;
}

portStream::Result TcpConnection::ask(const std::string& query, std::string& answer,
                                      const std::function<bool(const std::string&)>& complete,
                                      std::chrono::milliseconds wait,
                                      std::chrono::milliseconds stall,
                                      const std::atomic<bool>& stop) {
    return portStream::ask(static_cast<int>(socket_), query, answer, complete, wait, stall, stop);
}

int TcpConnection::shutdownSending() {
    return ::shutdown(static_cast<int>(socket_), SHUT_WR) == 0 ? 0 : errno;
}

int TcpConnection::readPrinterSide(int& error) {
    char chunk[4096];
    for (int reads = 0; reads < kMostReadsAtATime; ++reads) {
        const ssize_t got = ::read(static_cast<int>(socket_), chunk, sizeof chunk);
        if (got == 0) {
            return 1;
        }
        if (got < 0) {
            const bool nothingYet = errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
            error = errno;
            return nothingYet ? 0 : -1;
        }
    }
    return 0;
}

// The kernel's output queue (SIOCOUTQ): bytes not yet sent, or sent and not yet
// acknowledged.
long TcpConnection::unacknowledged(int& error) {
    const int fd = static_cast<int>(socket_);
    error = portStream::socketError(fd);
    if (error != 0) {
        return -1;
    }
    int queued = 0;
    if (::ioctl(fd, SIOCOUTQ, &queued) != 0) {
        error = errno;
        return -1;
    }
    return queued;
}

void TcpConnection::waitForPrinter(std::chrono::milliseconds slice) {
    pollfd watch{static_cast<int>(socket_), POLLIN, 0};
    ::poll(&watch, 1, static_cast<int>(slice.count()));
}

void TcpConnection::reset() {
    if (socket_ != kClosed) {
        portKind::discardUnsent(static_cast<int>(socket_), portKind::PortKind::Network);
    }
    close();
}

void TcpConnection::close() {
    if (socket_ != kClosed) {
        ::close(static_cast<int>(socket_));
        socket_ = kClosed;
    }
}

std::string TcpConnection::errorText(int error) {
    return std::strerror(error);
}

}  // namespace rotulano::printing
