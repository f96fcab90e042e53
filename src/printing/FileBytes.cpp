#include "printing/FileBytes.h"

#include <cerrno>
#include <cstdio>

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

}  // namespace rotulano::printing
