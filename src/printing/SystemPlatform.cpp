#include "printing/SystemPlatform.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>
#endif

#include "core/FixedRecord.h"
#include "printing/PortStream.h"
#include "printing/SerialLineSetup.h"

namespace rotulano::printing {

namespace {

#ifdef _WIN32

// Windows takes port names ("LPT1", "COM1") as file names of their devices.
core::FileStatus writeDevice(const std::string& device, const std::string& bytes, bool,
                             std::chrono::milliseconds, const std::atomic<bool>&) {
    std::FILE* file = std::fopen(device.c_str(), "wb");
    if (file == nullptr) {
        return core::fileStatusFromErrno(errno);
    }
    int error = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        error = errno != 0 ? errno : EIO;
    }
    if (std::fclose(file) != 0 && error == 0) {
        error = errno != 0 ? errno : EIO;
    }
    return core::fileStatusFromErrno(error);
}

#else

// Pseudo-terminal slaves: the numbers the system gives their device nodes.
constexpr unsigned kFirstPtyMajor = 136;
constexpr unsigned kLastPtyMajor = 143;

// Bytes go through a serial line unchanged: no CR/LF translation, no echo, no special
// characters. Line speed, character size, parity, stop bits and flow control stay as
// the system holds them for the port.
core::FileStatus makeRaw(int fd) {
    return core::fileStatusFromErrno(applySerialLine(fd, {}));
}

// What kind of port a descriptor is: the way its bytes are known to have left differs.
enum class PortKind { File, SerialLine, PseudoTerminal, Device };

PortKind portKind(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode)) {
        return PortKind::File;
    }
    if (::isatty(fd) == 0) {
        return PortKind::Device;
    }
    const unsigned number = major(info.st_rdev);
    return number >= kFirstPtyMajor && number <= kLastPtyMajor ? PortKind::PseudoTerminal
                                                               : PortKind::SerialLine;
}

// A stalled port is an I/O failure ("30"); a failed write or wait says its errno.
core::FileStatus statusOf(const portStream::Result& result) {
    if (result.outcome == portStream::Outcome::Stalled) {
        return core::kStatusIoError;
    }
    return core::fileStatusFromErrno(result.done() ? 0 : result.error);
}

// The bytes have left the program: a serial line's queue is empty (asked for its length
// rather than drained with tcdrain, which cannot be given a time limit), a device's last
// transfer is over (a USB printer reports a non-blocking write done before its transfer
// completes and drops a transfer still in flight at the close: the port is writable
// again only once it is over). A pseudo-terminal keeps nothing queued on the program's
// side, and a file or a pipe holds what was written.
core::FileStatus deliver(int fd, PortKind kind, portStream::StallClock& clock) {
    switch (kind) {
        case PortKind::SerialLine:
            return statusOf(portStream::drain(fd, portStream::serialQueue, clock));
        case PortKind::Device:
            return statusOf(portStream::waitWritable(fd, clock));
        case PortKind::File:
        case PortKind::PseudoTerminal:
            break;
    }
    return core::kStatusOk;
}

// Every port stays non-blocking, so that a dead line, a printer off line or a pipe
// nobody reads cannot hang the program; a serial line is put in raw mode as well.
core::FileStatus prepare(int fd) {
    return ::isatty(fd) != 0 ? makeRaw(fd) : core::kStatusOk;
}

// Opening with O_NONBLOCK keeps a serial port without carrier from blocking the open.
// Nothing is ever created under /dev: a printer that is not there is reported missing
// rather than replaced by a plain file of its name.
core::FileStatus writeDevice(const std::string& device, const std::string& bytes, bool mayCreate,
                             std::chrono::milliseconds stall, const std::atomic<bool>& stop) {
    int flags = O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC;
    if (mayCreate && device.rfind("/dev/", 0) != 0) {
        flags |= O_CREAT | O_TRUNC;
    }
    const int fd = ::open(device.c_str(), flags, 0666);
    if (fd < 0) {
        return core::fileStatusFromErrno(errno);
    }
    const PortKind kind = portKind(fd);
    portStream::StallClock clock(stall, stop);
    core::FileStatus status = prepare(fd);
    if (status == core::kStatusOk) {
        status = statusOf(portStream::writeAll(fd, bytes, clock));
    }
    if (status == core::kStatusOk) {
        status = deliver(fd, kind, clock);
    }
    // What a stalled serial line still holds of this piece is dropped, or the close would
    // wait for it; earlier pieces have left already. A pseudo-terminal is never flushed:
    // there a flush throws away what the reader has not read yet.
    if (status != core::kStatusOk && kind == PortKind::SerialLine) {
        ::tcflush(fd, TCOFLUSH);
    }
    if (::close(fd) != 0 && status == core::kStatusOk && errno != EINTR) {
        status = core::fileStatusFromErrno(errno);
    }
    return status;
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
    if (portName.size() == 4 && portName.rfind("COM", 0) == 0 && portName[3] >= '1' &&
        portName[3] <= '4') {
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

std::string SystemPlatform::tempDir() {
    const QString path = QDir::tempPath();
    if (path.isEmpty()) {
        return {};
    }
    const QString withSeparator = QDir::toNativeSeparators(path + QLatin1Char('/'));
    return QFile::encodeName(withSeparator).toStdString();
}

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

bool SystemPlatform::deleteFile(const std::string& path) {
    return std::remove(path.c_str()) == 0 || errno == ENOENT;
}

std::string SystemPlatform::portDevice(const std::string& portName) {
    return lineDevice(portName);
}

core::FileStatus SystemPlatform::sendToDevice(const std::string& device, const std::string& bytes) {
    const std::atomic<bool> never{false};
    return writeDevice(device, bytes, true, stalledPortTimeout_, never);
}

core::FileStatus SystemPlatform::deliverToDevice(const std::string& device,
                                                 const std::string& bytes,
                                                 const std::atomic<bool>& stop) {
    return writeDevice(device, bytes, true, stalledPortTimeout_, stop);
}

core::FileStatus SystemPlatform::openSerialPort(const std::string& device,
                                                const std::string& bytes) {
    const std::atomic<bool> never{false};
    return writeDevice(device, bytes, false, stalledPortTimeout_, never);
}

void SystemPlatform::sleepFor(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

}  // namespace rotulano::printing
