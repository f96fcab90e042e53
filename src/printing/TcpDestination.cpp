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

#include <thread>

#include "printing/PortKind.h"
#include "printing/PortReading.h"
#include "printing/PortStream.h"

namespace rotulano::printing {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

const std::string kPeerClosed = "conexão encerrada pela impressora";
#ifdef _WIN32
const std::string kNotOnThisSystem = "impressora de rede ainda não disponível no Windows";
#endif
// How often a row waiting for its confirmation is looked at: the acknowledged count, the
// printer's side and a cancel.
constexpr milliseconds kConfirmSlice{5};
constexpr int kMostReadsAtATime = 16;

#ifndef _WIN32
// Bytes the connection still holds: not yet sent, or sent and not yet acknowledged. A
// connection the printer reset has none left, so its error is looked at first.
long unacknowledged(int fd) {
    const int error = portStream::socketError(fd);
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

core::Delivery networkFailure(int error) {
    switch (error) {
        case ECONNREFUSED:
            return core::Delivery::failed(core::kStatusIoError, "conexão recusada");
        case EPIPE:
        case ENOTCONN:
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

core::Delivery notConfirmed(milliseconds closeWait) {
    const std::string waited = portStream::secondsText(closeWait);
    return core::Delivery::failed(core::kStatusIoError,
                                  "a impressora não confirmou a linha (não encerrou a conexão em " +
                                      waited +
                                      "; se ela nunca encerra, use confirma-fechando=nao no "
                                      "arquivo de portas)");
}

// Reads and throws away what the printer sends on the row's connection, a bounded amount
// at a time (a printer that never stops talking cannot hold the wait): 0 while it has more
// to say, 1 once it has closed its side, -1 with errno when the connection failed.
int readPrinterSide(int fd) {
    char chunk[4096];
    for (int reads = 0; reads < kMostReadsAtATime; ++reads) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got == 0) {
            return 1;
        }
        if (got < 0) {
            const bool nothingYet = errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
            return nothingYet ? 0 : -1;
        }
    }
    return 0;
}

// A connection to a port of this machine that nothing listens on can be given that very
// port as its own and connect to itself: it would read back its own row and end of stream
// and take them for the printer's. Nothing listened there: the port refused.
bool connectedToItself(int fd) {
    sockaddr_storage local{};
    sockaddr_storage peer{};
    socklen_t localLength = sizeof local;
    socklen_t peerLength = sizeof peer;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localLength) != 0 ||
        ::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerLength) != 0) {
        return false;
    }
    return localLength == peerLength && std::memcmp(&local, &peer, localLength) == 0;
}

// The close wait of a row whose bytes are all acknowledged, shortened by a cancel to the
// grace counted from the cancel.
class CloseWait {
  public:
    CloseWait(milliseconds wait, const std::atomic<bool>& stop) : wait_(wait), stop_(stop) {}

    bool started() const { return started_; }
    void start() {
        started_ = true;
        end_ = Clock::now() + wait_;
    }
    bool over() {
        if (stop_ && !cancelled_) {
            cancelled_ = true;
            end_ = std::min(end_, Clock::now() + portStream::kCancelGrace);
        }
        return Clock::now() >= end_;
    }

  private:
    milliseconds wait_;
    const std::atomic<bool>& stop_;
    bool started_ = false;
    bool cancelled_ = false;
    Clock::time_point end_{};
};
#endif

}  // namespace

TcpDestination::TcpDestination(const core::PortDestination& destination, const NameLookup& lookup,
                               milliseconds stall, milliseconds closeWait,
                               const std::atomic<bool>& stop)
    : destination_(destination),
      lookup_(lookup),
      stall_(stall),
      closeWait_(closeWait),
      stop_(stop) {}

core::Delivery TcpDestination::send(const std::string& bytes) const {
    int fd = -1;
    const core::Delivery connected = connect(fd);
    return connected.ok() ? deliver(fd, bytes) : connected;
}

core::Delivery TcpDestination::connect(int& fd) const {
#ifdef _WIN32
    // Network printers are reached from Linux only, for now: a row or a status question
    // for one is refused before its host is looked up.
    (void)fd;
    return core::Delivery::failed(core::kStatusIoError, kNotOnThisSystem);
#endif
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
        error = ready.done() ? portStream::socketError(fd) : ready.error;
        if (ready.outcome == portStream::Outcome::Stalled) {
            ::close(fd);
            return fromStream(ready, stall_);
        }
    }
    if (error == 0 && connectedToItself(fd)) {
        error = ECONNREFUSED;
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
    const portStream::Result written = portStream::writeAll(fd, bytes, clock);
    core::Delivery delivery = fromStream(written, stall_);
    if (delivery.ok()) {
        delivery = confirm(fd, clock);
    }
    if (!delivery.ok()) {
        delivery.bytesWritten = written.written > 0;
        portKind::discardUnsent(fd, portKind::PortKind::Network);
    }
    ::close(fd);
    return delivery;
}

// Until every byte is acknowledged the stall limit applies (a slow printer still taking
// bytes is waited for); from then on the close wait, for the printer's end of stream.
core::Delivery TcpDestination::confirm(int fd, portStream::StallClock& clock) const {
    if (::shutdown(fd, SHUT_WR) != 0) {
        return networkFailure(errno);
    }
    CloseWait closeWait(closeWait_, stop_);
    bool ended = false;
    long last = -1;
    while (true) {
        const int read = ended ? 1 : readPrinterSide(fd);
        if (read < 0) {
            return networkFailure(errno);
        }
        ended = read == 1;
        const long queued = unacknowledged(fd);
        if (queued < 0) {
            return networkFailure(errno);
        }
        if (queued == 0 && (ended || !destination_.confirmsByClosing)) {
            core::Delivery confirmed;
            confirmed.printerClosed = ended;
            return confirmed;
        }
        if (queued > 0) {
            if (last >= 0 && queued < last) {
                clock.progressed();
            }
            last = queued;
            if (clock.left().count() <= 0) {
                return core::Delivery::failed(core::kStatusIoError,
                                              portStream::stallReason(stall_));
            }
        } else if (!closeWait.started()) {
            closeWait.start();
        } else if (closeWait.over()) {
            return notConfirmed(closeWait_);
        }
        if (ended) {
            std::this_thread::sleep_for(kConfirmSlice);
        } else {
            pollfd watch{fd, POLLIN, 0};
            ::poll(&watch, 1, static_cast<int>(kConfirmSlice.count()));
        }
    }
}

#else

core::Delivery TcpDestination::connectTo(const std::string&, int&) const {
    return core::Delivery::failed(core::kStatusIoError, kNotOnThisSystem);
}

core::Delivery TcpDestination::deliver(int, const std::string&) const {
    return core::Delivery::failed(core::kStatusIoError, kNotOnThisSystem);
}

#endif

}  // namespace rotulano::printing
