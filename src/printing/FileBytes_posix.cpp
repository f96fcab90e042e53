#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "core/OutputTarget.h"
#include "printing/FileBytes.h"

namespace rotulano::printing {

namespace {

int createExclusive(const std::string& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
}

}  // namespace

core::FileStatus createFileBytes(const std::string& path, const std::string& bytes) {
    int fd = createExclusive(path);
    if (fd < 0 && errno == EEXIST) {
        ::unlink(path.c_str());
        fd = createExclusive(path);
    }
    if (fd < 0) {
        return core::fileStatusFromErrno(errno);
    }
    int error = core::writeWhole(fd, bytes);
    if (::close(fd) != 0 && error == 0 && errno != EINTR) {
        error = errno;
    }
    return core::fileStatusFromErrno(error);
}

}  // namespace rotulano::printing
