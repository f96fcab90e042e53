#include "core/OutputTarget.h"

#include <cerrno>

#include "core/FileSaver.h"

#ifdef _WIN32
#include <QDir>
#include <QFile>
#include <QFileInfo>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace rotulano::core {

namespace {

bool namesStandardOutput(const std::string& path) {
    return path == "-" || path == "/dev/stdout" || path == "/dev/fd/1";
}

}  // namespace

#ifdef _WIN32

// Windows names no devices nor pipes among ordinary files.
OutputTarget::OutputTarget(std::string path) : path_(std::move(path)) {
    if (namesStandardOutput(path_)) {
        kind_ = Kind::Standard;
    } else if (QFileInfo(QFile::decodeName(QByteArray::fromStdString(path_))).isDir()) {
        kind_ = Kind::Refused;
        refusal_ = "uma pasta";
    }
}

FileStatus OutputTarget::write(const std::string& bytes) const {
    return kind_ == Kind::File ? FileSaver::save(path_, bytes) : kStatusOk;
}

bool OutputTarget::sameFile(const std::string& first, const std::string& second) {
    const QFileInfo a(QFile::decodeName(QByteArray::fromStdString(first)));
    const QFileInfo b(QFile::decodeName(QByteArray::fromStdString(second)));
    return a.exists() && b.exists() && a.canonicalFilePath() == b.canonicalFilePath();
}

FileStatus OutputTarget::makeFolders(const std::string& path) {
    return QDir().mkpath(QFile::decodeName(QByteArray::fromStdString(path))) ? kStatusOk
                                                                             : kStatusNotPermitted;
}

#else

namespace {

// Writes every byte, waiting as long as the reader or the device needs.
FileStatus writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return fileStatusFromErrno(written < 0 ? errno : EIO);
        }
        done += static_cast<std::size_t>(written);
    }
    return kStatusOk;
}

// Opens a device or a pipe for writing, never creating nor emptying anything. A pipe's
// open waits for its reader; a device's open does not wait for a line (a serial port
// without carrier), and its writes then wait as long as it needs.
int openStream(const std::string& path, bool pipe) {
    const int flags = O_WRONLY | O_NOCTTY | O_CLOEXEC | (pipe ? 0 : O_NONBLOCK);
    const int fd = ::open(path.c_str(), flags);
    if (fd >= 0 && !pipe) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    }
    return fd;
}

FileStatus writeStream(const std::string& path, const std::string& bytes) {
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0) {
        return fileStatusFromErrno(errno);
    }
    const int fd = openStream(path, S_ISFIFO(named.st_mode));
    if (fd < 0) {
        return fileStatusFromErrno(errno);
    }
    struct stat opened {};
    FileStatus status = kStatusOk;
    if (::fstat(fd, &opened) != 0) {
        status = fileStatusFromErrno(errno);
    } else if (!S_ISCHR(opened.st_mode) && !S_ISFIFO(opened.st_mode)) {
        status = kStatusNotRegularFile;  // swapped for another kind meanwhile: left alone
    } else {
        status = writeAll(fd, bytes);
    }
    if (::close(fd) != 0 && status == kStatusOk && errno != EINTR) {
        status = fileStatusFromErrno(errno);
    }
    return status;
}

}  // namespace

OutputTarget::OutputTarget(std::string path) : path_(std::move(path)) {
    struct stat named {};
    if (namesStandardOutput(path_)) {
        kind_ = Kind::Standard;
    } else if (::stat(path_.c_str(), &named) != 0 || S_ISREG(named.st_mode)) {
        kind_ = Kind::File;
    } else if (S_ISCHR(named.st_mode) || S_ISFIFO(named.st_mode)) {
        kind_ = Kind::Stream;
    } else {
        kind_ = Kind::Refused;
        refusal_ = S_ISDIR(named.st_mode)   ? "uma pasta"
                   : S_ISBLK(named.st_mode) ? "um dispositivo de blocos"
                                            : "um socket";
    }
}

FileStatus OutputTarget::write(const std::string& bytes) const {
    switch (kind_) {
        case Kind::Stream:
            return writeStream(path_, bytes);
        case Kind::File:
            return FileSaver::save(path_, bytes);
        case Kind::Standard:
        case Kind::Refused:
            break;
    }
    return kStatusOk;
}

bool OutputTarget::sameFile(const std::string& first, const std::string& second) {
    struct stat a {};
    struct stat b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

FileStatus OutputTarget::makeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (!folder.empty() && ::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
            return fileStatusFromErrno(errno);
        }
        if (slash == std::string::npos) {
            break;
        }
    }
    struct stat made {};
    if (::stat(path.c_str(), &made) != 0) {
        return fileStatusFromErrno(errno);
    }
    return S_ISDIR(made.st_mode) ? kStatusOk : kStatusAttributesConflict;
}

#endif

}  // namespace rotulano::core
