#include "printing/SystemPlatform.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <thread>

#ifdef _WIN32
#include <windows.h>

#include <algorithm>

#include "config/DestinationText.h"
#include "core/SystemPath.h"
#include "core/WindowsHandle.h"
#include "printing/DeviceDestination.h"
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "config/PrinterLists.h"
#include "core/FixedRecord.h"
#include "printing/PortKind.h"
#include "printing/PortStream.h"
#include "printing/SerialLineSetup.h"

namespace rotulano::printing {

namespace {

#ifdef _WIN32

// Any name that is not a port: a file, written whole (made when `mayCreate`).
core::Delivery writeFile(const std::string& name, const std::string& bytes, bool mayCreate) {
    core::WindowsHandle file(
        ::CreateFileW(core::wideSystemPath(name).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                      mayCreate ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::size_t done = 0;
    DWORD written = 1;
    while (file.valid() && done < bytes.size() && written > 0) {
        const auto size = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1U << 20));
        if (!::WriteFile(file.get(), bytes.data() + done, size, &written, nullptr)) {
            break;
        }
        done += written;
    }
    const bool whole = file.valid() && done == bytes.size();
    const core::FileStatus status =
        whole ? core::kStatusOk : core::fileStatusFromSystemError(::GetLastError());
    if (!file.closeNow() && whole) {
        return core::Delivery::failed(core::fileStatusFromSystemError(::GetLastError()), {});
    }
    return whole ? core::Delivery{} : core::Delivery::failed(status, {});
}

// A port name (COM1-COM256, LPT1-LPT3) goes through the ports' own code, with its
// stall limit, its lock and its drain; any other name is a file.
core::Delivery writeDevice(const std::string& device, const std::string& bytes, bool mayCreate,
                           std::chrono::milliseconds stall, const std::atomic<bool>& stop) {
    core::PortDestination port;
    std::string reason;
    if (config::destinationText::parse(config::destinationText::System::Windows, device, port,
                                       reason) &&
        port.kind == core::DestinationKind::Device) {
        return DeviceDestination(port, stall, stop)
            .send({RowPiece{bytes, {}}}, [](std::chrono::milliseconds) {});
    }
    return writeFile(device, bytes, mayCreate);
}

#else

// Bytes go through a serial line unchanged: no CR/LF translation, no echo, no special
// characters. Line speed, character size, parity, stop bits and flow control stay as
// the system holds them for the port.
core::FileStatus makeRaw(int fd) {
    return core::fileStatusFromErrno(applySerialLine(fd, {}));
}

// A stalled or hung-up port is an I/O failure ("30"), a hung-up one with its reason; a
// failed write or wait says its errno.
core::Delivery deliveryOf(const portStream::Result& result) {
    switch (result.outcome) {
        case portStream::Outcome::Done:
            return {};
        case portStream::Outcome::Stalled:
            return core::Delivery::failed(core::kStatusIoError, {});
        case portStream::Outcome::HungUp:
            return core::Delivery::failed(core::kStatusIoError, portStream::kHungUpReason);
        case portStream::Outcome::Failed:
            break;
    }
    return core::Delivery::failed(core::fileStatusFromErrno(result.error), {});
}

// Every port stays non-blocking, so that a dead line, a printer off line or a pipe
// nobody reads cannot hang the program; a serial line is put in raw mode as well.
core::FileStatus prepare(int fd, portKind::PortKind kind) {
    return portKind::isTerminal(kind) ? makeRaw(fd) : core::kStatusOk;
}

// Opening with O_NONBLOCK keeps a serial port without carrier from blocking the open.
// Nothing is ever created under /dev: a printer that is not there is reported missing
// rather than replaced by a plain file of its name.
core::Delivery writeDevice(const std::string& device, const std::string& bytes, bool mayCreate,
                           std::chrono::milliseconds stall, const std::atomic<bool>& stop) {
    int flags = O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC;
    if (mayCreate && device.rfind("/dev/", 0) != 0) {
        flags |= O_CREAT | O_TRUNC;
    }
    const int fd = ::open(device.c_str(), flags, 0666);
    if (fd < 0) {
        return core::Delivery::failed(core::fileStatusFromErrno(errno), {});
    }
    const portKind::PortKind kind = portKind::kindOf(fd);
    portStream::StallClock clock(stall, stop);
    const core::FileStatus prepared = prepare(fd, kind);
    core::Delivery delivery;
    if (prepared != core::kStatusOk) {
        delivery = core::Delivery::failed(prepared, {});
    } else {
        portStream::Result result = portStream::writeAll(fd, bytes, clock);
        const bool written = result.written > 0;
        if (result.done()) {
            result = portKind::settle(fd, kind, clock);
        }
        delivery = deliveryOf(result);
        delivery.bytesWritten = !delivery.ok() && written;
    }
    // What the port still holds of this piece is dropped, or the close would wait for it;
    // earlier pieces have left already.
    if (!delivery.ok()) {
        portKind::discardUnsent(fd, kind);
    }
    if (::close(fd) != 0 && delivery.ok() && errno != EINTR) {
        delivery = core::Delivery::failed(core::fileStatusFromErrno(errno), {});
    }
    return delivery;
}

#endif

std::string lineDevice(const std::string& portName) {
#ifdef _WIN32
    return portName;
#else
    if (portName == "LPT1" || portName == "LPT2") {
        const std::string number(1, static_cast<char>(portName[3] - 1));
        const std::string usb = "/dev/usb/lp" + number;
        return ::access(usb.c_str(), F_OK) == 0 ? usb : "/dev/lp" + number;
    }
    if (config::PrinterLists::isSerialPortName(portName)) {
        return "/dev/ttyS" + std::string(1, static_cast<char>(portName[3] - 1));
    }
    return portName;
#endif
}

}  // namespace

SystemPlatform::SystemPlatform(std::chrono::milliseconds stalledPortTimeout)
    : stalledPortTimeout_(stalledPortTimeout) {
#ifndef _WIN32
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

#ifdef _WIN32

// GetTempPathW: TMP, TEMP or USERPROFILE, as Windows chooses, with its trailing
// backslash; the name as the program keeps names (UTF-8).
std::string SystemPlatform::tempDir() {
    wchar_t folder[MAX_PATH + 2] = {};
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH + 1) {
        return {};
    }
    std::string path = core::pathFromWide(std::wstring(folder, length));
    if (!path.empty() && path.back() != '\\') {
        path += '\\';
    }
    return path;
}

bool SystemPlatform::deleteFile(const std::string& path) {
    const std::wstring name = core::wideSystemPath(path);
    return ::DeleteFileW(name.c_str()) != 0 || ::GetLastError() == ERROR_FILE_NOT_FOUND;
}

#else

std::string SystemPlatform::tempDir() {
    const QString path = QDir::tempPath();
    if (path.isEmpty()) {
        return {};
    }
    const QString withSeparator = QDir::toNativeSeparators(path + QLatin1Char('/'));
    return QFile::encodeName(withSeparator).toStdString();
}

bool SystemPlatform::deleteFile(const std::string& path) {
    return std::remove(path.c_str()) == 0 || errno == ENOENT;
}

#endif

std::string SystemPlatform::clockText() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    const int offsetMinutes = now.offsetFromUtc() / 60;
    const int offset = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    using core::zeroPadded;
    return zeroPadded(date.year(), 4) + zeroPadded(date.month(), 2) + zeroPadded(date.day(), 2) +
           zeroPadded(time.hour(), 2) + zeroPadded(time.minute(), 2) +
           zeroPadded(time.second(), 2) + zeroPadded(time.msec() / 10, 2) +
           (offsetMinutes < 0 ? '-' : '+') + zeroPadded(offset / 60, 2) +
           zeroPadded(offset % 60, 2);
}

std::string SystemPlatform::portDevice(const std::string& portName) {
    return lineDevice(portName);
}

core::FileStatus SystemPlatform::sendToDevice(const std::string& device, const std::string& bytes) {
    const std::atomic<bool> never{false};
    return writeDevice(device, bytes, true, stalledPortTimeout_, never).status;
}

core::Delivery SystemPlatform::deliverToDevice(const std::string& device, const std::string& bytes,
                                               const std::atomic<bool>& stop) {
    return writeDevice(device, bytes, true, stalledPortTimeout_, stop);
}

core::FileStatus SystemPlatform::openSerialPort(const std::string& device,
                                                const std::string& bytes) {
    const std::atomic<bool> never{false};
    return writeDevice(device, bytes, false, stalledPortTimeout_, never).status;
}

void SystemPlatform::sleepFor(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

}  // namespace rotulano::printing
