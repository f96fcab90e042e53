#include "printing/TcpDestination.h"

#include <algorithm>
#include <cerrno>
#include <thread>

namespace rotulano::printing {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

const std::string kPeerClosed = "conexão encerrada pela impressora";
// How often a row waiting for its confirmation is looked at: the acknowledged count, the
// printer's side and a cancel.
constexpr milliseconds kConfirmSlice{5};

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
                core::kStatusIoError, "falha de rede (" + TcpConnection::errorText(error) + ")");
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
    TcpConnection connection;
    const core::Delivery connected = connect(connection);
    return connected.ok() ? deliver(connection, bytes) : connected;
}

core::Delivery TcpDestination::connect(TcpConnection& connection) const {
    const LookupResult found = lookup_.lookUp(destination_.target);
    if (!found.ok()) {
        return lookupFailure(found);
    }
    core::Delivery tried;
    for (const std::string& address : found.addresses) {
        const portStream::Result opened =
            connection.open(address, destination_.tcpPort, portStream::StallClock(stall_, stop_));
        if (opened.done()) {
            return {};
        }
        // An address the system cannot use at all is as good as no address.
        tried = opened.outcome == portStream::Outcome::Failed && opened.error == 0
                    ? lookupFailure(LookupResult::failed(LookupResult::Kind::NotFound))
                    : fromStream(opened, stall_);
    }
    return tried;
}

core::Delivery TcpDestination::ask(const std::string& query, std::string& answer,
                                   const std::function<bool(const std::string&)>& complete,
                                   std::chrono::milliseconds wait) const {
    TcpConnection connection;
    core::Delivery delivery = connect(connection);
    if (!delivery.ok()) {
        return delivery;
    }
    const portStream::Result asked = connection.ask(query, answer, complete, wait, stall_, stop_);
    if (asked.outcome == portStream::Outcome::Failed) {
        delivery = networkFailure(asked.error);
    }
    connection.close();
    return delivery;
}

core::Delivery TcpDestination::deliver(TcpConnection& connection, const std::string& bytes) const {
    portStream::StallClock clock(stall_, stop_);
    const portStream::Result written = connection.write(bytes, clock);
    core::Delivery delivery = fromStream(written, stall_);
    if (delivery.ok()) {
        delivery = confirm(connection, clock);
    }
    if (!delivery.ok()) {
        delivery.bytesWritten = written.written > 0;
        connection.reset();
    }
    connection.close();
    return delivery;
}

// Until every byte is acknowledged the stall limit applies (a slow printer still taking
// bytes is waited for); from then on the close wait, for the printer's end of stream.
core::Delivery TcpDestination::confirm(TcpConnection& connection,
                                       portStream::StallClock& clock) const {
    const int shut = connection.shutdownSending();
    if (shut != 0) {
        return networkFailure(shut);
    }
    const milliseconds wait =
        connection.countsAcknowledged() ? closeWait_ : std::max(closeWait_, stall_);
    CloseWait closeWait(wait, stop_);
    bool ended = false;
    long last = -1;
    while (true) {
        int error = 0;
        const int read = ended ? 1 : connection.readPrinterSide(error);
        if (read < 0) {
            return networkFailure(error);
        }
        ended = read == 1;
        long queued = connection.unacknowledged(error);
        if (queued == -1) {
            return networkFailure(error);
        }
        queued = std::max(queued, 0L);
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
            return notConfirmed(wait);
        }
        if (ended) {
            std::this_thread::sleep_for(kConfirmSlice);
        } else {
            connection.waitForPrinter(kConfirmSlice);
        }
    }
}

}  // namespace rotulano::printing
