#include "printing/DeviceDestination.h"

#include <cerrno>
#include <cstring>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>
#endif

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

long outputQueued(int fd) {
    int queued = 0;
    return ::ioctl(fd, TIOCOUTQ, &queued) == 0 ? queued : -1;
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
                                     std::chrono::milliseconds stall)
    : destination_(destination), stall_(stall) {}

#ifndef _WIN32

core::Delivery DeviceDestination::send(
    const std::vector<RowPiece>& pieces,
    const std::function<void(std::chrono::milliseconds)>& pause) const {
    struct stat info {};
    if (::stat(destination_.target.c_str(), &info) != 0) {
        return deviceFailure(errno);
    }
    if (!S_ISCHR(info.st_mode)) {
        return core::Delivery::failed(core::kStatusAttributesConflict, kNotACharacterDevice);
    }
    const int fd =
        ::open(destination_.target.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return deviceFailure(errno);
    }
    core::Delivery delivery;
    if (::fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode)) {
        delivery = core::Delivery::failed(core::kStatusAttributesConflict, kNotACharacterDevice);
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        delivery = deviceFailure(errno == EWOULDBLOCK ? EBUSY : errno);
    } else {
        delivery = deliver(fd, pieces, pause);
        if (!delivery.ok() && ::isatty(fd) != 0 && !isPseudoTerminal(info)) {
            // What a stalled serial line still holds belongs to the failing row only; the
            // close would otherwise wait for it.
            ::tcflush(fd, TCOFLUSH);
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
    core::Delivery delivery = fromStream(portStream::writeAll(fd, bytes, stall_), stall_);
    if (delivery.ok()) {
        // A serial line is done when its output queue is empty; a printer driver that
        // cannot say so has completed the last write once it takes bytes again.
        delivery = fromStream(serial ? portStream::drain(fd, outputQueued, stall_)
                                     : portStream::waitWritable(fd, stall_),
                              stall_);
    }
    return delivery;
}

#else

core::Delivery DeviceDestination::send(
    const std::vector<RowPiece>&, const std::function<void(std::chrono::milliseconds)>&) const {
    return core::Delivery::failed(core::kStatusIoError, "dispositivo não disponível");
}

#endif

}  // namespace rotulano::printing
