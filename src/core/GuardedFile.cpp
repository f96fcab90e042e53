#include "core/GuardedFile.h"

#include <algorithm>

namespace rotulano::core {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

}  // namespace

FileStatus GuardedFile::readWhole(const std::string& path, std::size_t limit, std::string& bytes) {
    // One byte more than the limit tells a file past it, even one that grows meanwhile.
    const FileStatus status = readStart(path, limit + 1, bytes);
    if (status == kStatusOk && bytes.size() > limit) {
        bytes.clear();
        return kStatusBoundary;
    }
    return status;
}

FileStatus GuardedFile::readStart(const std::string& path, std::size_t count, std::string& bytes) {
    bytes.clear();
    GuardedFile file;
    FileStatus status = file.open(path);
    std::string chunk(std::min(count, kChunk), '\0');
    std::size_t got = 1;
    while (status == kStatusOk && bytes.size() < count && got > 0) {
        status = file.read(chunk.data(), std::min(count - bytes.size(), chunk.size()), got);
        bytes.append(chunk, 0, got);
    }
    if (status != kStatusOk) {
        bytes.clear();
    }
    return status;
}

}  // namespace rotulano::core
