#include "core/FileSaver.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <limits>

namespace rotulano::core {

namespace {

// The system follows at most this many links in one name (Linux's MAXSYMLINKS); a
// longer chain is taken for a loop, as the system takes it.
constexpr int kMostLinksFollowed = 40;

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

// Writes every byte at `offset`; a write that takes nothing fails.
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

// What the link `path` holds, or false when it cannot be read.
bool readLink(const std::string& path, off_t size, std::string& target) {
    target.assign(size > 0 ? static_cast<std::size_t>(size) + 1 : 4096, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) {
        return false;
    }
    target.resize(static_cast<std::size_t>(length));
    return true;
}

// Where a link's target is, seen from the folder of the link.
std::string besideLink(const std::string& link, const std::string& target) {
    if (target[0] == '/' || link.find('/') == std::string::npos) {
        return target;
    }
    const std::string folder = folderOf(link);
    return (folder == "/" ? folder : folder + "/") + target;
}

// The permission bits that a new file gets (0666 less the umask). Linux shows the umask
// without changing it; elsewhere it is set and put back at once.
mode_t newFileMode() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        unsigned mask = 0;
        if (key == "Umask:" && status >> std::oct >> mask) {
            return 0666 & ~static_cast<mode_t>(mask);
        }
        status.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666 & ~mask;
}

// The new file beside `target`: a short name of its own in the same folder, so that any
// name the file system takes can be saved. It gets the old file's owner, group and
// permissions afterwards, or those of any new file.
int createBeside(const std::string& target, std::string& name) {
    name = folderOf(target) + "/.rotulano-XXXXXX";
    return ::mkostemp(name.data(), O_CLOEXEC);
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

// Fills the new file and flushes it to disk.
FileStatus fill(Descriptor& file, const std::string& bytes) {
    FileStatus status = writeAt(file.get(), bytes, 0);
    if (status == kStatusOk && ::fsync(file.get()) != 0) {
        status = lastStatus();
    }
    if (!file.closeNow() && status == kStatusOk) {
        status = lastStatus();
    }
    return status;
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
    FileStatus status = kStatusOk;
    if (old == nullptr && ::fchmod(file.get(), newFileMode()) != 0) {
        status = lastStatus();
    }
    if (status == kStatusOk) {
        status = fill(file, bytes);
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

// Cuts the file back to its old length, on a path that has already failed: the first
// failure is the one reported, a second one would only hide it.
void cutBack(int fd, off_t oldLength) {
    [[maybe_unused]] const int ignored = ::ftruncate(fd, oldLength);
}

// Claims the disk space of the new length before any old byte is written over: a full
// disk or the file size limit refuses the claim and the file keeps its bytes (a claim
// that stopped halfway is given back). A file system that cannot claim space ahead is
// written all the same, and a write that fails there puts the old bytes back.
FileStatus reserve(int fd, std::size_t length, off_t oldLength) {
    if (length == 0) {
        return kStatusOk;
    }
    const int error = ::posix_fallocate(fd, 0, static_cast<off_t>(length));
    if (error == 0 || error == EOPNOTSUPP || error == ENOSYS || error == EINVAL) {
        return kStatusOk;
    }
    struct stat now {};
    if (::fstat(fd, &now) == 0 && now.st_size != oldLength) {
        cutBack(fd, oldLength);
    }
    return fileStatusFromErrno(error);
}

// The old bytes back at the start of the file, at the old length.
void putBack(int fd, const std::string& kept, off_t oldLength) {
    writeAt(fd, kept, 0);
    cutBack(fd, oldLength);
    ::fsync(fd);
}

// The bytes written over the old ones at the start of the file itself: the space is
// claimed first, then the bytes are written and flushed to disk, and only then is the
// file cut to their length. Should a write stop short, the old bytes, kept in memory,
// go back where they were and the file keeps its old length.
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
    FileStatus status = reserve(file.get(), bytes.size(), old.st_size);
    if (status != kStatusOk) {
        return status;
    }
    status = writeAt(file.get(), bytes, 0);
    if (status == kStatusOk && ::fsync(file.get()) != 0) {
        status = lastStatus();
    }
    if (status == kStatusOk && ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0) {
        status = lastStatus();
    }
    if (status != kStatusOk) {
        putBack(file.get(), kept, old.st_size);
        return status;
    }
    // Cut: the file holds the new bytes whole; only their flush can still fail.
    return ::fsync(file.get()) == 0 ? kStatusOk : lastStatus();
}

}  // namespace

bool FileSaver::followLinks(const std::string& path, std::string& end) {
    end = path;
    for (int hop = 0; hop <= kMostLinksFollowed; ++hop) {
        struct stat named {};
        if (::lstat(end.c_str(), &named) != 0) {
            return errno != ELOOP;
        }
        std::string target;
        if (!S_ISLNK(named.st_mode) || !readLink(end, named.st_size, target)) {
            return true;
        }
        end = besideLink(end, target);
    }
    return false;
}

std::string FileSaver::landingName(const std::string& path) {
    std::string end;
    if (!followLinks(path, end)) {
        return {};
    }
    const std::size_t slash = end.rfind('/');
    const std::string name = slash == std::string::npos ? end : end.substr(slash + 1);
    char* folder = ::realpath(folderOf(end).c_str(), nullptr);
    if (folder == nullptr) {
        return end;
    }
    std::string landing(folder);
    std::free(folder);
    return (landing == "/" ? landing : landing + "/") + name;
}

FileStatus FileSaver::save(const std::string& path, const std::string& bytes) {
    std::string target;
    if (!followLinks(path, target)) {
        return fileStatusFromErrno(ELOOP);
    }
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
    // A file nobody may write to is not replaced either, even where its folder would let
    // a new file take its place, and even by the administrator.
    if (exists && isWriteProtected(target)) {
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

}  // namespace rotulano::core
