#include "printing/PortKind.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

namespace rotulano::printing::portKind {

namespace {

// The numbers the system gives the device nodes: Unix98 pseudo-terminal slaves, the
// parallel printer driver.
constexpr unsigned kFirstPtyMajor = 136;
constexpr unsigned kLastPtyMajor = 143;
constexpr unsigned kParallelMajor = 6;

}  // namespace

PortKind kindOf(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return PortKind::File;
    }
    if (S_ISSOCK(info.st_mode)) {
        return PortKind::Network;
    }
    if (!S_ISCHR(info.st_mode)) {
        return PortKind::File;
    }
    const unsigned number = major(info.st_rdev);
    if (::isatty(fd) == 0) {
        return number == kParallelMajor ? PortKind::Parallel : PortKind::Usb;
    }
    return number >= kFirstPtyMajor && number <= kLastPtyMajor ? PortKind::PseudoTerminal
                                                               : PortKind::Serial;
}

portStream::Result settle(int fd, PortKind kind, portStream::StallClock& clock) {
    switch (kind) {
        case PortKind::Serial:
            return portStream::drain(fd, portStream::serialQueue, clock);
        case PortKind::Parallel:
        case PortKind::Usb:
            return portStream::waitWritable(fd, clock);
        case PortKind::File:
        case PortKind::PseudoTerminal:
        case PortKind::Network:
            break;
    }
    return {};
}

void discardUnsent(int fd, PortKind kind) {
    if (kind == PortKind::Serial) {
        ::tcflush(fd, TCOFLUSH);
    } else if (kind == PortKind::Network) {
        const linger reset{1, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    }
}

}  // namespace rotulano::printing::portKind
