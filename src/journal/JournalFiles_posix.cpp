#include "journal/JournalFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace rotulano::journal {

namespace {

// The file systems' magic numbers of statfs(2).
constexpr long kNfs = 0x6969;
constexpr long kSmb = 0x517B;
constexpr long kCifs = static_cast<long>(0xFF534D42);
constexpr long kSmb2 = static_cast<long>(0xFE534D42);

// SQLite's lock bytes: the pending, reserved and shared bytes of the database file, and
// the "a connection is using this" byte of its shared memory (see SQLite's os_unix.c).
constexpr off_t kDatabaseLockStart = 0x40000000;
constexpr off_t kDatabaseLockLength = 512;
constexpr off_t kSharedMemoryInUse = 128;

// An open-file-description lock: unlike a process's record lock, it conflicts with
// SQLite's locks taken by this same process through another descriptor.
bool writeLock(int fd, off_t start, off_t length) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = start;
    lock.l_len = length;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

int openExisting(const std::string& path) {
    return ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
}

}  // namespace

bool onNetworkFolder(const std::string& folder) {
    struct statfs info {};
    if (::statfs(folder.c_str(), &info) != 0) {
        return false;
    }
    const long type = static_cast<long>(info.f_type);
    return type == kNfs || type == kSmb || type == kCifs || type == kSmb2;
}

struct ExclusiveJournalLock::Handles {
    std::vector<int> fds;
    ~Handles() {
        for (int fd : fds) {
            ::close(fd);
        }
    }
};

ExclusiveJournalLock::ExclusiveJournalLock() : handles_(std::make_unique<Handles>()) {}
ExclusiveJournalLock::~ExclusiveJournalLock() = default;

bool ExclusiveJournalLock::tryLock(const std::string& path) {
    const int database = openExisting(path);
    if (database < 0) {
        return false;
    }
    handles_->fds.push_back(database);
    if (!writeLock(database, kDatabaseLockStart, kDatabaseLockLength)) {
        return false;
    }
    const int sharedMemory = openExisting(path + "-shm");
    if (sharedMemory < 0) {
        return errno == ENOENT;
    }
    handles_->fds.push_back(sharedMemory);
    return writeLock(sharedMemory, kSharedMemoryInUse, 1);
}

bool moveAside(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
    // A file system without the no-replace rename: a hard link never replaces its target
    // either, and the old name is then dropped.
    return ::link(from.c_str(), to.c_str()) == 0 && ::unlink(from.c_str()) == 0;
}

}  // namespace rotulano::journal
