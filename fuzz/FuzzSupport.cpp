#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace rotulano::fuzz {

namespace {

std::string makeScratchFile() {
    const char* dir = std::getenv("TMPDIR");
    std::string pattern =
        std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/rotulano-fuzz-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        std::perror("rotulano fuzz: no scratch file");
        std::abort();
    }
    ::close(fd);
    return pattern;
}

void removeScratchFile() {
    std::remove(scratchFile().c_str());
}

void printEscaped(const std::string& bytes) {
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            std::fputc(byte, stderr);
        } else {
            std::fprintf(stderr, "\\x%02X", byte);
        }
    }
    std::fputc('\n', stderr);
}

}  // namespace

std::string bytesOf(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

std::string take(std::string& rest, std::size_t size) {
    const std::string front = rest.substr(0, size);
    rest.erase(0, front.size());
    return front;
}

const std::string& scratchFile() {
    static const std::string path = [] {
        std::string made = makeScratchFile();
        std::atexit(removeScratchFile);
        return made;
    }();
    return path;
}

void writeScratch(const std::string& bytes) {
    std::FILE* file = std::fopen(scratchFile().c_str(), "wb");
    require(file != nullptr, "scratch file cannot be written");
    const bool whole = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    require(std::fclose(file) == 0 && whole, "scratch file not written whole");
}

void require(bool holds, const char* what, const std::string& bytes) {
    if (holds) {
        return;
    }
    std::fprintf(stderr, "rotulano fuzz: %s\n", what);
    if (!bytes.empty()) {
        printEscaped(bytes);
    }
    std::abort();
}

}  // namespace rotulano::fuzz
