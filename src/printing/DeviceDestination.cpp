#include "printing/DeviceDestination.h"

#include <cerrno>
#include <cstring>

#include "printing/PortKind.h"
#include "printing/PortReading.h"
#include "printing/PortStream.h"
#include "printing/SerialLineSetup.h"

namespace rotulano::printing {

namespace {

const std::string kSerialRefused = "a porta não aceitou a configuração serial";

}  // namespace

core::Delivery deviceFailure(int error) {
    const bool busy = error == EBUSY || error == EWOULDBLOCK;
    const core::FileStatus status = busy ? core::kStatusLocked : core::fileStatusFromErrno(error);
    const std::string reason = deviceReason(status);
    if (!reason.empty()) {
        return core::Delivery::failed(status, reason);
    }
    return core::Delivery::failed(core::kStatusIoError,
                                  "falha de escrita (" + std::string(std::strerror(error)) + ")");
}

namespace {

core::Delivery fromStream(const portStream::Result& result, std::chrono::milliseconds stall) {
    switch (result.outcome) {
        case portStream::Outcome::Done:
            return {};
        case portStream::Outcome::Stalled:
            return core::Delivery::failed(core::kStatusIoError, portStream::stallReason(stall));
        case portStream::Outcome::HungUp:
            return core::Delivery::failed(core::kStatusIoError, portStream::kHungUpReason);
        case portStream::Outcome::Failed:
            break;
    }
    return deviceFailure(result.error);
}

}  // namespace

std::string deviceReason(const core::FileStatus& status) {
    if (status == core::kStatusNotFound) {
        return "dispositivo não encontrado";
    }
    if (status == core::kStatusNotPermitted) {
        return "sem permissão de escrita no dispositivo (o usuário precisa do grupo lp para "
               "impressoras e dialout para portas seriais)";
    }
    if (status == core::kStatusLocked) {
        return "porta ocupada por outro programa";
    }
    return {};
}

DeviceDestination::DeviceDestination(const core::PortDestination& destination,
                                     std::chrono::milliseconds stall, const std::atomic<bool>& stop)
    : destination_(destination), stall_(stall), stop_(stop) {}

core::Delivery DeviceDestination::send(
    const std::vector<RowPiece>& pieces,
    const std::function<void(std::chrono::milliseconds)>& pause) const {
    core::Delivery delivery;
    const int fd = openHeld(false, delivery);
    if (fd < 0) {
        return delivery;
    }
    const portKind::PortKind kind = portKind::kindOf(fd);
    delivery = deliver(fd, kind, pieces, pause);
    if (!delivery.ok()) {
        // What the port still holds belongs to the failing row only; the close would
        // otherwise wait for it and deliver it.
        portKind::discardUnsent(fd, kind);
    }
    closeHeld(fd);
    return delivery;
}

core::Delivery DeviceDestination::ask(const std::string& query, std::string& answer,
                                      const std::function<bool(const std::string&)>& complete,
                                      std::chrono::milliseconds wait) const {
    core::Delivery delivery;
    const int fd = openHeld(true, delivery);
    if (fd < 0) {
        return delivery;
    }
    const bool terminal = portKind::isTerminal(portKind::kindOf(fd));
    if (terminal && applySerialLine(fd, destination_.serial) != 0) {
        delivery = core::Delivery::failed(core::kStatusIoError, kSerialRefused);
    } else {
        if (terminal) {
            dropLineInput(fd);
        }
        const portStream::Result asked =
            portStream::ask(fd, query, answer, complete, wait, stall_, stop_);
        if (asked.outcome == portStream::Outcome::Failed ||
            asked.outcome == portStream::Outcome::HungUp) {
            delivery = fromStream(asked, stall_);
        }
    }
    closeHeld(fd);
    return delivery;
}

core::Delivery DeviceDestination::deliver(
    int fd, portKind::PortKind kind, const std::vector<RowPiece>& pieces,
    const std::function<void(std::chrono::milliseconds)>& pause) const {
    if (portKind::isTerminal(kind) && applySerialLine(fd, destination_.serial) != 0) {
        return core::Delivery::failed(core::kStatusIoError, kSerialRefused);
    }
    bool written = false;
    for (const RowPiece& piece : pieces) {
        portStream::StallClock clock(stall_, stop_);
        portStream::Result result = portStream::writeAll(fd, piece.bytes, clock);
        written = written || result.written > 0;
        if (result.done()) {
            result = portKind::settle(fd, kind, clock);
        }
        core::Delivery delivery = fromStream(result, stall_);
        if (!delivery.ok()) {
            delivery.bytesWritten = written;
            return delivery;
        }
        if (piece.pauseAfter.count() > 0) {
            pause(piece.pauseAfter);
        }
    }
    return {};
}

}  // namespace rotulano::printing
