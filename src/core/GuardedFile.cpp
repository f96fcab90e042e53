#include "core/GuardedFile.h"

#include <algorithm>
#include <cerrno>

#ifdef _WIN32
#include <QFile>
#include <QFileInfo>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace rotulano::core {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

}  // namespace

#ifdef _WIN32

// Windows has no named pipes nor devices among ordinary file names: Qt's file does.
struct GuardedFile::Handle {
    QFile file;
};

FileStatus GuardedFile::open(const std::string& path) {
    close();
    const QString name = QFile::decodeName(QByteArray::fromStdString(path));
    const QFileInfo info(name);
    if (!info.exists()) {
        return kStatusNotFound;
    }
    if (info.isDir()) {
        return kStatusAttributesConflict;
    }
    if (!info.isFile()) {
        return kStatusNotRegularFile;
    }
    auto handle = std::make_unique<Handle>();
    handle->file.setFileName(name);
    if (!handle->file.open(QIODevice::ReadOnly)) {
        return kStatusNotPermitted;
    }
    handle_ = std::move(handle);
    return kStatusOk;
}

FileStatus GuardedFile::read(char* buffer, std::size_t size, std::size_t& count) {
    count = 0;
    const qint64 got = handle_->file.read(buffer, static_cast<qint64>(size));
    if (got < 0) {
        return kStatusIoError;
    }
    count = static_cast<std::size_t>(got);
    return kStatusOk;
}

void GuardedFile::close() {
    handle_.reset();
}

FileStatus GuardedFile::stamp(FileStamp& stamp) const {
    return fileStampOf(QFile::encodeName(handle_->file.fileName()).toStdString(), stamp);
}

#else

struct GuardedFile::Handle {
    int fd = -1;
    ~Handle() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

namespace {

// What a name of this kind gets: only a regular file is read.
FileStatus statusOfKind(mode_t mode) {
    if (S_ISREG(mode)) {
        return kStatusOk;
    }
    return S_ISDIR(mode) ? kStatusAttributesConflict : kStatusNotRegularFile;
}

}  // namespace

FileStatus GuardedFile::open(const std::string& path) {
    close();
    struct stat before {};
    if (::stat(path.c_str(), &before) != 0) {
        return fileStatusFromErrno(errno);
    }
    const FileStatus kind = statusOfKind(before.st_mode);
    if (kind != kStatusOk) {
        return kind;
    }
    auto handle = std::make_unique<Handle>();
    handle->fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (handle->fd < 0) {
        return fileStatusFromErrno(errno);
    }
    struct stat opened {};
    if (::fstat(handle->fd, &opened) != 0) {
        return fileStatusFromErrno(errno);
    }
    const FileStatus openedKind = statusOfKind(opened.st_mode);
    if (openedKind != kStatusOk) {
        return openedKind;
    }
    handle_ = std::move(handle);
    return kStatusOk;
}

FileStatus GuardedFile::read(char* buffer, std::size_t size, std::size_t& count) {
    count = 0;
    for (;;) {
        const ssize_t got = ::read(handle_->fd, buffer, size);
        if (got >= 0) {
            count = static_cast<std::size_t>(got);
            return kStatusOk;
        }
        if (errno != EINTR) {
            return fileStatusFromErrno(errno);
        }
    }
}

void GuardedFile::close() {
    handle_.reset();
}

FileStatus GuardedFile::stamp(FileStamp& stamp) const {
    struct stat opened {};
    if (::fstat(handle_->fd, &opened) != 0) {
        return fileStatusFromErrno(errno);
    }
    stamp = fileStampFromStat(opened);
    return kStatusOk;
}

#endif

GuardedFile::GuardedFile() = default;

GuardedFile::~GuardedFile() = default;

FileStatus GuardedFile::readWhole(const std::string& path, std::size_t limit, std::string& bytes) {
    // One byte more than the limit tells a file past it, even one that grows meanwhile.
    const FileStatus status = readStart(path, limit + 1, bytes);
    if (status == kStatusOk && bytes.size() > limit) {
        bytes.clear();
        return kStatusBoundary;
    }
    return status;
}

FileStatus GuardedFile::readStart(const std::string& path, std::size_t count, std::string& bytes) {
    bytes.clear();
    GuardedFile file;
    FileStatus status = file.open(path);
    std::string chunk(std::min(count, kChunk), '\0');
    std::size_t got = 1;
    while (status == kStatusOk && bytes.size() < count && got > 0) {
        status = file.read(chunk.data(), std::min(count - bytes.size(), chunk.size()), got);
        bytes.append(chunk, 0, got);
    }
    if (status != kStatusOk) {
        bytes.clear();
    }
    return status;
}

}  // namespace rotulano::core
