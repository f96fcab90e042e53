#include "printing/FileBytes.h"

#include <cerrno>
#include <cstdio>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace rotulano::printing {

namespace {

constexpr std::size_t kChunk = 16 * 1024;

int lastError() {
    return errno != 0 ? errno : EIO;
}

}  // namespace

core::FileStatus readFileBytes(const std::string& path, std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return core::fileStatusFromErrno(errno);
    }
    bytes.clear();
    char chunk[kChunk];
    std::size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.append(chunk, count);
    }
    const int error = std::ferror(file) != 0 ? lastError() : 0;
    std::fclose(file);
    return core::fileStatusFromErrno(error);
}

core::FileStatus writeFileBytes(const std::string& path, const std::string& bytes) {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return core::fileStatusFromErrno(lastError());
    }
    int error = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
        std::fflush(file) != 0) {
        error = lastError();
    }
    if (std::fclose(file) != 0 && error == 0) {
        error = lastError();
    }
    return core::fileStatusFromErrno(error);
}

#ifdef _WIN32

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

int writeWhole(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? errno : EIO;
        }
        done += static_cast<std::size_t>(written);
    }
    return 0;
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
    int error = writeWhole(fd, bytes);
    if (::close(fd) != 0 && error == 0 && errno != EINTR) {
        error = errno;
    }
    return core::fileStatusFromErrno(error);
}

#endif

}  // namespace rotulano::printing
