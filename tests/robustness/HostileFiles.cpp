#include "robustness/HostileFiles.h"

#include "support/TestSupport.h"

namespace rotulano::test {

std::string hostilePath(const std::string& name) {
    return dataPath("../hostile/" + name);
}

std::string stretched(const std::string& line, std::size_t length, char fill) {
    std::string out = line.substr(0, length);
    out.resize(length, fill);
    return out;
}

void writePatternFile(const std::string& path, std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131 + i / 256) % 256);
    }
    writeBytes(path, bytes);
}

}  // namespace rotulano::test
