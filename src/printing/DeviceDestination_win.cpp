#include <cerrno>
#include <string>

#include "printing/DeviceDestination.h"
#include "printing/PortStream_win.h"

namespace rotulano::printing {

namespace {

// The device's own namespace: "COM10" and above, or "LPT1", are reached only through it,
// and a file of the port's name in the current folder never stands in for the port.
std::wstring devicePath(const std::string& name) {
    return L"\\\\.\\" + std::wstring(name.begin(), name.end());
}

}  // namespace

// Share mode 0 holds the port for this program alone: an open by another program fails
// with "access denied" while it is held, which is reported busy (errnoOf). A port is
// always opened for reading too, even for a row: a serial line's settings and queue
// count (GetCommState, ClearCommError) are refused on a handle that may only write.
int DeviceDestination::openHeld(bool, core::Delivery& failure) const {
    const DWORD access = GENERIC_READ | GENERIC_WRITE;
    const HANDLE port = ::CreateFileW(devicePath(destination_.target).c_str(), access, 0, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (port == INVALID_HANDLE_VALUE) {
        failure = deviceFailure(portStream::errnoOf(::GetLastError()));
        return -1;
    }
    const int fd = portStream::descriptorOf(port);
    if (fd < 0) {
        failure = deviceFailure(EMFILE);
    }
    return fd;
}

void DeviceDestination::closeHeld(int fd) {
    portStream::closePort(fd);
}

void DeviceDestination::dropLineInput(int fd) {
    ::PurgeComm(portStream::handleOf(fd), PURGE_RXABORT | PURGE_RXCLEAR);
}

}  // namespace rotulano::printing
