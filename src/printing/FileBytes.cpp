#include "printing/FileBytes.h"

#include <cerrno>
#include <cstdio>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>

#include "core/OutputTarget.h"
#endif

namespace rotulano::printing {

#ifdef _WIN32

namespace {

int lastError() {
    return errno != 0 ? errno : EIO;
}

}  // namespace

core::FileStatus createFileBytes(const std::string& path, const std::string& bytes) {
    std::remove(path.c_str());
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    if (file == nullptr) {
        return core::fileStatusFromErrno(lastError());
    }
    int error = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        error = lastError();
    }
    if (std::fclose(file) != 0 && error == 0) {
        error = lastError();
    }
    return core::fileStatusFromErrno(error);
}

#else

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

#endif

}  // namespace rotulano::printing
