#include "printing/PrivateTempDir.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <mutex>

namespace rotulano::printing {

namespace {

constexpr mode_t kFolderMode = 0700;

void closeFd(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

// Removes every entry of the open directory `folderFd` that is not a directory (print
// files, the marker, a link someone put there: a link is removed, never followed).
void emptyFolder(int folderFd) {
    const int listFd = ::dup(folderFd);
    DIR* dir = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (dir == nullptr) {
        if (listFd >= 0) {
            ::close(listFd);
        }
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        struct stat st {};
        if (::fstatat(folderFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            !S_ISDIR(st.st_mode)) {
            ::unlinkat(folderFd, entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

// The folder `name` in `sharedFd` is stale when it is a directory of this user with mode
// 0700 (looked at without following a link), and its marker is a written file whose lock
// can be taken. A marker not written yet belongs to a folder being made.
bool removeIfStale(int sharedFd, const char* name) {
    struct stat st {};
    if (::fstatat(sharedFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(st.st_mode) ||
        st.st_uid != ::geteuid() || (st.st_mode & 07777) != kFolderMode) {
        return false;
    }
    int folderFd = ::openat(sharedFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat opened {};
    if (folderFd < 0 || ::fstat(folderFd, &opened) != 0 || opened.st_ino != st.st_ino ||
        opened.st_dev != st.st_dev) {
        closeFd(folderFd);
        return false;
    }
    int markerFd = ::openat(folderFd, PrivateTempDir::markerName(),
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat marker {};
    const bool stale = markerFd >= 0 && ::fstat(markerFd, &marker) == 0 &&
                       S_ISREG(marker.st_mode) && marker.st_size > 0 &&
                       ::flock(markerFd, LOCK_EX | LOCK_NB) == 0;
    if (stale) {
        emptyFolder(folderFd);
        ::unlinkat(sharedFd, name, AT_REMOVEDIR);
    }
    closeFd(markerFd);
    closeFd(folderFd);
    return stale;
}

}  // namespace

// The marker is locked before anything is written into it: a folder whose marker is
// empty is never taken for stale, so no other run removes this one while it is made.
void PrivateTempDir::make(const std::string& sharedDir) {
    if (sharedDir.empty()) {
        return;
    }
    std::string pattern = sharedDir + prefix_ + "-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        return;
    }
    name_ = pattern.substr(sharedDir.size());
    sharedFd_ = ::open(sharedDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    folderFd_ = ::open(pattern.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    markerFd_ = folderFd_ < 0 ? -1
                              : ::openat(folderFd_, PrivateTempDir::markerName(),
                                         O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (sharedFd_ < 0 || markerFd_ < 0 || ::flock(markerFd_, LOCK_EX | LOCK_NB) != 0 ||
        ::write(markerFd_, pid.data(), pid.size()) != static_cast<ssize_t>(pid.size())) {
        if (sharedFd_ < 0) {
            ::rmdir(pattern.c_str());  // made a moment ago, and still empty
        }
        remove();
        return;
    }
    path_ = pattern + "/";
    enlist(this);
}

void PrivateTempDir::remove() {
    delist(this);
    if (folderFd_ >= 0) {
        emptyFolder(folderFd_);
    }
    if (sharedFd_ >= 0 && !name_.empty()) {
        ::unlinkat(sharedFd_, name_.c_str(), AT_REMOVEDIR);
    }
    name_.clear();
    closeFd(markerFd_);
    closeFd(folderFd_);
    closeFd(sharedFd_);
    path_.clear();
}

void PrivateTempDir::removeStale(const std::string& sharedDir,
                                 const std::vector<std::string>& prefixes) {
    if (sharedDir.empty()) {
        return;
    }
    const int sharedFd = ::open(sharedDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int listFd = sharedFd < 0 ? -1 : ::dup(sharedFd);
    DIR* dir = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (dir == nullptr) {
        if (listFd >= 0) {
            ::close(listFd);
        }
        if (sharedFd >= 0) {
            ::close(sharedFd);
        }
        return;
    }
    std::vector<std::string> candidates;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (namedByOne(name, prefixes)) {
            candidates.push_back(name);
        }
    }
    ::closedir(dir);
    for (const std::string& name : candidates) {
        removeIfStale(sharedFd, name.c_str());
    }
    ::close(sharedFd);
}

}  // namespace rotulano::printing
