#include "printing/DeviceDestination.h"

#include <cerrno>
#include <cstring>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#endif

#include "printing/PortKind.h"
#include "printing/PortReading.h"
#include "printing/PortStream.h"
#include "printing/SerialLineSetup.h"

namespace rotulano::printing {

namespace {

const std::string kNotACharacterDevice = "não é um dispositivo de caracteres";
const std::string kSerialRefused = "a porta não aceitou a configuração serial";

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

#ifndef _WIN32
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
#endif

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

#ifndef _WIN32

int DeviceDestination::openHeld(int flags, core::Delivery& failure) const {
    struct stat info {};
    if (::stat(destination_.target.c_str(), &info) != 0) {
        failure = deviceFailure(errno);
        return -1;
    }
    if (!S_ISCHR(info.st_mode)) {
        failure = core::Delivery::failed(core::kStatusAttributesConflict, kNotACharacterDevice);
        return -1;
    }
    const int fd = ::open(destination_.target.c_str(), flags | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        failure = deviceFailure(errno);
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode)) {
        failure = core::Delivery::failed(core::kStatusAttributesConflict, kNotACharacterDevice);
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        failure = deviceFailure(errno == EWOULDBLOCK ? EBUSY : errno);
    } else {
        return fd;
    }
    ::close(fd);
    return -1;
}

core::Delivery DeviceDestination::send(
    const std::vector<RowPiece>& pieces,
    const std::function<void(std::chrono::milliseconds)>& pause) const {
    core::Delivery delivery;
    const int fd = openHeld(O_WRONLY, delivery);
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
    ::close(fd);
    return delivery;
}

core::Delivery DeviceDestination::ask(const std::string& query, std::string& answer,
                                      const std::function<bool(const std::string&)>& complete,
                                      std::chrono::milliseconds wait) const {
    core::Delivery delivery;
    const int fd = openHeld(O_RDWR, delivery);
    if (fd < 0) {
        return delivery;
    }
    const bool terminal = portKind::isTerminal(portKind::kindOf(fd));
    if (terminal && applySerialLine(fd, destination_.serial) != 0) {
        delivery = core::Delivery::failed(core::kStatusIoError, kSerialRefused);
    } else {
        if (terminal) {
            ::tcflush(fd, TCIFLUSH);
        }
        const portStream::Result asked =
            portStream::ask(fd, query, answer, complete, wait, stall_, stop_);
        if (asked.outcome == portStream::Outcome::Failed ||
            asked.outcome == portStream::Outcome::HungUp) {
            delivery = fromStream(asked, stall_);
        }
    }
    ::close(fd);
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

#else

core::Delivery DeviceDestination::send(
    const std::vector<RowPiece>&, const std::function<void(std::chrono::milliseconds)>&) const {
    return core::Delivery::failed(core::kStatusIoError, "dispositivo não disponível");
}

core::Delivery DeviceDestination::ask(const std::string&, std::string&,
                                      const std::function<bool(const std::string&)>&,
                                      std::chrono::milliseconds, const std::atomic<bool>&) const {
    return core::Delivery::failed(core::kStatusIoError, "dispositivo não disponível");
}

#endif

}  // namespace rotulano::printing
