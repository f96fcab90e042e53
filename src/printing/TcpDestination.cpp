#include "printing/TcpDestination.h"

#include <cerrno>
#include <cstring>

#ifndef _WIN32
#include <linux/sockios.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include "printing/PortReading.h"
#include "printing/PortStream.h"

namespace rotulano::printing {

namespace {

const std::string kPeerClosed = "conexão encerrada pela impressora";

#ifndef _WIN32
int socketError(int fd) {
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0) {
        return errno;
    }
    return error;
}

// Bytes the connection still holds: not yet sent, or sent and not yet acknowledged. A
// connection the printer reset has none left, so its error is looked at first.
long unacknowledged(int fd) {
    const int error = socketError(fd);
    if (error != 0) {
        errno = error;
        return -1;
    }
    int queued = 0;
    if (::ioctl(fd, SIOCOUTQ, &queued) != 0) {
        return -1;
    }
    return queued;
}
#endif

core::Delivery networkFailure(int error) {
    switch (error) {
        case ECONNREFUSED:
            return core::Delivery::failed(core::kStatusIoError, "conexão recusada");
        case EPIPE:
        case ECONNRESET:
        case ECONNABORTED:
            return core::Delivery::failed(core::kStatusIoError, kPeerClosed);
        case EACCES:
        case EPERM:
            return core::Delivery::failed(core::kStatusNotPermitted, "permissão negada");
        case ENETUNREACH:
        case EHOSTUNREACH:
            return core::Delivery::failed(core::kStatusIoError, "rede inalcançável");
        default:
            return core::Delivery::failed(
                core::kStatusIoError, "falha de rede (" + std::string(std::strerror(error)) + ")");
    }
}

core::Delivery fromStream(const portStream::Result& result, std::chrono::milliseconds stall) {
    if (result.outcome == portStream::Outcome::Stalled) {
        return core::Delivery::failed(core::kStatusIoError, portStream::stallReason(stall));
    }
    return result.done() ? core::Delivery{} : networkFailure(result.error);
}

}  // namespace

TcpDestination::TcpDestination(const core::PortDestination& destination, const NameLookup& lookup,
                               std::chrono::milliseconds stall, const std::atomic<bool>& stop)
    : destination_(destination), lookup_(lookup), stall_(stall), stop_(stop) {}

core::Delivery TcpDestination::send(const std::string& bytes) const {
    int fd = -1;
    const core::Delivery connected = connect(fd);
    return connected.ok() ? deliver(fd, bytes) : connected;
}

core::Delivery TcpDestination::connect(int& fd) const {
    const LookupResult found = lookup_.lookUp(destination_.target);
    if (!found.ok()) {
        return lookupFailure(found);
    }
    core::Delivery tried;
    for (const std::string& address : found.addresses) {
        tried = connectTo(address, fd);
        if (tried.ok()) {
            return tried;
        }
    }
    return tried;
}

core::Delivery TcpDestination::ask(const std::string& query, std::string& answer,
                                   const std::function<bool(const std::string&)>& complete,
                                   std::chrono::milliseconds wait) const {
    int fd = -1;
    core::Delivery delivery = connect(fd);
    if (!delivery.ok()) {
        return delivery;
    }
#ifndef _WIN32
    const portStream::Result asked =
        portStream::ask(fd, query, answer, complete, wait, stall_, stop_);
    if (asked.outcome == portStream::Outcome::Failed) {
        delivery = networkFailure(asked.error);
    }
    ::close(fd);
#else
    (void)query, (void)answer, (void)complete, (void)wait;
#endif
    return delivery;
}

#ifndef _WIN32

core::Delivery TcpDestination::connectTo(const std::string& address, int& fd) const {
    addrinfo hints{};
    hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string port = std::to_string(destination_.tcpPort);
    if (::getaddrinfo(address.c_str(), port.c_str(), &hints, &found) != 0) {
        return lookupFailure(LookupResult::failed(LookupResult::Kind::NotFound));
    }
    fd = ::socket(found->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    int error = fd < 0 ? errno : 0;
    if (fd >= 0 && ::connect(fd, found->ai_addr, found->ai_addrlen) != 0) {
        error = errno;
    }
    ::freeaddrinfo(found);
    if (error == EINPROGRESS) {
        const portStream::Result ready =
            portStream::waitWritable(fd, portStream::StallClock(stall_, stop_));
        error = ready.done() ? socketError(fd) : ready.error;
        if (ready.outcome == portStream::Outcome::Stalled) {
            ::close(fd);
            return fromStream(ready, stall_);
        }
    }
    if (error != 0) {
        if (fd >= 0) {
            ::close(fd);
        }
        return networkFailure(error);
    }
    return {};
}

core::Delivery TcpDestination::deliver(int fd, const std::string& bytes) const {
    portStream::StallClock clock(stall_, stop_);
    core::Delivery delivery = fromStream(portStream::writeAll(fd, bytes, clock), stall_);
    if (delivery.ok()) {
        delivery = fromStream(portStream::drain(fd, unacknowledged, clock), stall_);
    }
    if (delivery.ok() && ::shutdown(fd, SHUT_WR) != 0 && errno != ENOTCONN) {
        delivery = networkFailure(errno);
    }
    ::close(fd);
    return delivery;
}

#else

core::Delivery TcpDestination::connectTo(const std::string&, int&) const {
    return core::Delivery::failed(core::kStatusIoError, "impressora de rede não disponível");
}

core::Delivery TcpDestination::deliver(int, const std::string&) const {
    return core::Delivery::failed(core::kStatusIoError, "impressora de rede não disponível");
}

#endif

}  // namespace rotulano::printing
