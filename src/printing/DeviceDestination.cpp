#include "printing/DeviceDestination.h"

#include <cerrno>
#include <cstring>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>
#endif

#include "printing/PortReading.h"
#include "printing/PortStream.h"
#include "printing/SerialLineSetup.h"

namespace rotulano::printing {

namespace {

const std::string kNotACharacterDevice = "não é um dispositivo de caracteres";

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
// Unix98 pseudo-terminals (/dev/pts/N): a flush there would throw away what the other
// side has not read yet, bytes of rows already delivered.
constexpr unsigned kFirstPtyMajor = 136;
constexpr unsigned kLastPtyMajor = 143;

bool isPseudoTerminal(const struct stat& info) {
    return major(info.st_rdev) >= kFirstPtyMajor && major(info.st_rdev) <= kLastPtyMajor;
}

core::Delivery fromStream(const portStream::Result& result, std::chrono::milliseconds stall) {
    if (result.outcome == portStream::Outcome::Stalled) {
        return core::Delivery::failed(core::kStatusIoError, portStream::stallReason(stall));
    }
    return result.done() ? core::Delivery{} : deviceFailure(result.error);
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
    delivery = deliver(fd, pieces, pause);
    struct stat info {};
    if (!delivery.ok() && ::isatty(fd) != 0 && ::fstat(fd, &info) == 0 && !isPseudoTerminal(info)) {
        // What a stalled serial line still holds belongs to the failing row only; the
        // close would otherwise wait for it.
        ::tcflush(fd, TCOFLUSH);
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
    const bool serial = ::isatty(fd) != 0;
    if (serial && applySerialLine(fd, destination_.serial) != 0) {
        delivery = core::Delivery::failed(core::kStatusIoError,
                                          "a porta não aceitou a configuração serial");
    } else {
        if (serial) {
            ::tcflush(fd, TCIFLUSH);
        }
        const portStream::Result asked =
            portStream::ask(fd, query, answer, complete, wait, stall_, stop_);
        if (asked.outcome == portStream::Outcome::Failed) {
            delivery = deviceFailure(asked.error);
        }
    }
    ::close(fd);
    return delivery;
}

core::Delivery DeviceDestination::deliver(
    int fd, const std::vector<RowPiece>& pieces,
    const std::function<void(std::chrono::milliseconds)>& pause) const {
    const bool serial = ::isatty(fd) != 0;
    if (serial && applySerialLine(fd, destination_.serial) != 0) {
        return core::Delivery::failed(core::kStatusIoError,
                                      "a porta não aceitou a configuração serial");
    }
    for (const RowPiece& piece : pieces) {
        const core::Delivery delivery = deliverPiece(fd, serial, piece.bytes);
        if (!delivery.ok()) {
            return delivery;
        }
        if (piece.pauseAfter.count() > 0) {
            pause(piece.pauseAfter);
        }
    }
    return {};
}

core::Delivery DeviceDestination::deliverPiece(int fd, bool serial,
                                               const std::string& bytes) const {
    portStream::StallClock clock(stall_, stop_);
    core::Delivery delivery = fromStream(portStream::writeAll(fd, bytes, clock), stall_);
    if (delivery.ok()) {
        // A serial line is done when its output queue is empty; a printer driver that
        // cannot say so has completed the last write once it takes bytes again.
        delivery = fromStream(serial ? portStream::drain(fd, portStream::serialQueue, clock)
                                     : portStream::waitWritable(fd, clock),
                              stall_);
    }
    return delivery;
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
