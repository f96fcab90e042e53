#include "printing/SystemPlatform.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
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
                             std::chrono::milliseconds) {
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

// Writes every byte, waiting while the port is busy; the stall time starts again with
// every byte the port takes, so a slow printer is never cut off, only a dead one.
core::FileStatus writeAll(int fd, const std::string& bytes, std::chrono::milliseconds stall) {
    const portStream::Result result = portStream::writeAll(fd, bytes, stall);
    if (result.outcome == portStream::Outcome::Stalled) {
        return core::kStatusIoError;
    }
    return result.done() ? core::kStatusOk : core::fileStatusFromErrno(result.error);
}

// Every port stays non-blocking, so that a dead line, a printer off line or a pipe
// nobody reads cannot hang the program. A serial line is put in raw mode, so that bytes
// go through unchanged; its speed and framing stay as the system holds them.
core::FileStatus prepare(int fd) {
    return ::isatty(fd) != 0 ? core::fileStatusFromErrno(applySerialLine(fd, {})) : core::kStatusOk;
}

// Opening with O_NONBLOCK keeps a serial port without carrier from blocking the open.
// Nothing is ever created under /dev: a printer that is not there is reported missing
// rather than replaced by a plain file of its name.
core::FileStatus writeDevice(const std::string& device, const std::string& bytes, bool mayCreate,
                             std::chrono::milliseconds stall) {
    int flags = O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC;
    if (mayCreate && device.rfind("/dev/", 0) != 0) {
        flags |= O_CREAT | O_TRUNC;
    }
    const int fd = ::open(device.c_str(), flags, 0666);
    if (fd < 0) {
        return core::fileStatusFromErrno(errno);
    }
    core::FileStatus status = prepare(fd);
    if (status == core::kStatusOk) {
        status = writeAll(fd, bytes, stall);
        // Bytes a stalled serial line still holds are dropped: they would print half a
        // label when the line comes back, and the close would wait for them.
        if (status != core::kStatusOk && ::isatty(fd) != 0) {
            ::tcflush(fd, TCOFLUSH);
        }
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
    return writeDevice(device, bytes, true, stalledPortTimeout_);
}

core::FileStatus SystemPlatform::openSerialPort(const std::string& device,
                                                const std::string& bytes) {
    return writeDevice(device, bytes, false, stalledPortTimeout_);
}

void SystemPlatform::sleepFor(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

}  // namespace rotulano::printing
