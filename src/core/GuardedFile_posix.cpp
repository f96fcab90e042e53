#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/GuardedFile.h"

namespace rotulano::core {

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

GuardedFile::GuardedFile() = default;

GuardedFile::~GuardedFile() = default;

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

}  // namespace rotulano::core
