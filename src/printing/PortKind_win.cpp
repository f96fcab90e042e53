#include "printing/PortKind.h"
#include "printing/PortStream_win.h"

namespace rotulano::printing::portKind {

PortKind kindOf(int fd) {
    const HANDLE port = portStream::handleOf(fd);
    if (::GetFileType(port) != FILE_TYPE_CHAR) {
        return PortKind::File;
    }
    DCB line{};
    line.DCBlength = sizeof line;
    return ::GetCommState(port, &line) ? PortKind::Serial : PortKind::Parallel;
}

portStream::Result settle(int fd, PortKind kind, portStream::StallClock& clock) {
    if (kind == PortKind::Serial) {
        return portStream::drain(fd, portStream::serialQueue, clock);
    }
    return {};
}

void discardUnsent(int fd, PortKind kind) {
    if (kind == PortKind::Serial) {
        ::PurgeComm(portStream::handleOf(fd), PURGE_TXABORT | PURGE_TXCLEAR);
    }
}

}  // namespace rotulano::printing::portKind
