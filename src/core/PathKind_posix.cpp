#include "core/PathKind.h"

#include <sys/stat.h>

#include <cerrno>

namespace rotulano::core {

namespace {

PathKind kindOfMode(mode_t mode) {
    if (S_ISREG(mode)) {
        return PathKind::RegularFile;
    }
    if (S_ISDIR(mode)) {
        return PathKind::Folder;
    }
    if (S_ISFIFO(mode)) {
        return PathKind::Fifo;
    }
    if (S_ISBLK(mode)) {
        return PathKind::BlockDevice;
    }
    return S_ISCHR(mode) ? PathKind::CharacterDevice : PathKind::Socket;
}

// The name could not be followed to its end: a name that is itself there (lstat finds
// it) ends in a link to nothing.
PathKind kindOfFailure(const std::string& path, int error) {
    if (error == ELOOP) {
        return PathKind::LinkLoop;
    }
    if (error == EACCES) {
        return PathKind::Unreachable;
    }
    struct stat named {};
    if (::lstat(path.c_str(), &named) == 0 && S_ISLNK(named.st_mode)) {
        return PathKind::BrokenLink;
    }
    return PathKind::Missing;
}

}  // namespace

PathKind pathKindOf(const std::string& path) {
    struct stat followed {};
    if (::stat(path.c_str(), &followed) != 0) {
        return kindOfFailure(path, errno);
    }
    return kindOfMode(followed.st_mode);
}

}  // namespace rotulano::core
