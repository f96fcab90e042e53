#include "core/FileSaver.h"

#include <algorithm>
#include <cerrno>

#ifdef _WIN32
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#endif

namespace rotulano::core {

#ifdef _WIN32

// Windows keeps owners and links apart from the name: Qt's save file does the job.
FileStatus FileSaver::save(const std::string& path, const std::string& bytes) {
    const QString name = QFile::decodeName(QByteArray::fromStdString(path));
    if (QFileInfo(name).isDir()) {
        return kStatusAttributesConflict;
    }
    QSaveFile file(name);
    file.setDirectWriteFallback(true);
    const auto length = static_cast<qint64>(bytes.size());
    if (!file.open(QIODevice::WriteOnly)) {
        return kStatusNotPermitted;
    }
    if (file.write(bytes.data(), length) != length) {
        file.cancelWriting();
        return kStatusIoError;
    }
    return file.commit() ? kStatusOk : kStatusIoError;
}

bool FileSaver::isWriteProtected(const std::string& path) {
    const QFileInfo info(QFile::decodeName(QByteArray::fromStdString(path)));
    const auto writeBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.exists() && (!info.isWritable() || (info.permissions() & writeBits) == 0);
}

#else

namespace {

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { closeNow(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool closeNow() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

  private:
    int fd_;
};

FileStatus lastStatus() {
    return fileStatusFromErrno(errno != 0 ? errno : EIO);
}

// Writes every byte at `offset`; a write that takes nothing (a file size limit) fails.
FileStatus writeAt(int fd, const std::string& bytes, off_t offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                         offset + static_cast<off_t>(done));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written == 0 ? kStatusBoundary : lastStatus();
        }
        done += static_cast<std::size_t>(written);
    }
    return kStatusOk;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Where a link whose file does not exist yet points to, taken from the link's folder.
std::string linkTarget(const std::string& path) {
    std::string target(4096, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) {
        return path;
    }
    target.resize(static_cast<std::size_t>(length));
    return target[0] == '/' || path.find('/') == std::string::npos ? target
                                                                   : folderOf(path) + "/" + target;
}

// The file a name stands for: a link is followed to its file, which is what is saved;
// the link itself is never replaced by a file.
std::string resolved(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) {
        struct stat link {};
        return ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode) ? linkTarget(path) : path;
    }
    std::string target(real);
    std::free(real);
    return target;
}

// A name for the new file beside `target` that nobody else uses; the new file is made
// with the usual permissions, those of the old file are given afterwards.
int createBeside(const std::string& target, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + ".rotulano-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// The new file takes the old one's owner, group and permissions; false when the owner or
// group cannot be given (then the old file is rewritten in place).
bool takeOver(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        return false;
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

void syncFolder(const std::string& path) {
    const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A new file beside the old one, renamed into its place once whole. `inPlace` is set when
// the old file must be rewritten in place instead.
FileStatus replaceBeside(const std::string& target, const struct stat* old,
                         const std::string& bytes, bool& inPlace) {
    std::string name;
    Descriptor file(createBeside(target, name));
    if (file.get() < 0) {
        inPlace = old != nullptr;
        return lastStatus();
    }
    if (old != nullptr && !takeOver(file.get(), *old)) {
        ::unlink(name.c_str());
        inPlace = true;
        return kStatusNotPermitted;
    }
    FileStatus status = writeAt(file.get(), bytes, 0);
    if (status == kStatusOk && ::fsync(file.get()) != 0) {
        status = lastStatus();
    }
    if (!file.closeNow() && status == kStatusOk) {
        status = lastStatus();
    }
    if (status == kStatusOk && ::rename(name.c_str(), target.c_str()) != 0) {
        status = lastStatus();
        inPlace = old != nullptr;
    }
    if (status != kStatusOk) {
        ::unlink(name.c_str());
        return status;
    }
    syncFolder(target);
    return kStatusOk;
}

// The bytes written over the old ones at the start of the file itself. Should the write
// stop short, the old bytes go back where they were and the file keeps its old length.
FileStatus rewriteInPlace(const std::string& target, const std::string& bytes) {
    Descriptor file(::open(target.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    struct stat old {};
    if (file.get() < 0 || ::fstat(file.get(), &old) != 0) {
        return lastStatus();
    }
    if (!S_ISREG(old.st_mode)) {
        return kStatusNotRegularFile;
    }
    const auto oldLength = static_cast<std::size_t>(old.st_size);
    std::string kept(std::min(oldLength, bytes.size()), '\0');
    if (::pread(file.get(), kept.data(), kept.size(), 0) != static_cast<ssize_t>(kept.size())) {
        return lastStatus();
    }
    FileStatus status = writeAt(file.get(), bytes, 0);
    if (status == kStatusOk && ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0) {
        status = lastStatus();
    }
    if (status == kStatusOk && ::fsync(file.get()) != 0) {
        status = lastStatus();
    }
    if (status != kStatusOk) {
        writeAt(file.get(), kept, 0);
        ::ftruncate(file.get(), old.st_size);
        ::fsync(file.get());
    }
    return status;
}

}  // namespace

FileStatus FileSaver::save(const std::string& path, const std::string& bytes) {
    const std::string target = resolved(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) {
        return lastStatus();
    }
    if (exists && S_ISDIR(old.st_mode)) {
        return kStatusAttributesConflict;
    }
    if (exists && !S_ISREG(old.st_mode)) {
        return kStatusNotRegularFile;
    }
    // A file this user may not write to is not replaced either, even where its folder
    // would let a new file take its place.
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        return kStatusNotPermitted;
    }
    // A new file would cut the other names of the file off from the saved bytes.
    if (exists && old.st_nlink > 1) {
        return rewriteInPlace(target, bytes);
    }
    bool inPlace = false;
    const FileStatus status = replaceBeside(target, exists ? &old : nullptr, bytes, inPlace);
    return inPlace ? rewriteInPlace(target, bytes) : status;
}

bool FileSaver::isWriteProtected(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return false;
    }
    const mode_t writeBits = S_IWUSR | S_IWGRP | S_IWOTH;
    return (info.st_mode & writeBits) == 0 || ::access(path.c_str(), W_OK) != 0;
}

#endif

}  // namespace rotulano::core
