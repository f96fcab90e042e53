#include "printing/LabelFileBytes.h"

namespace rotulano::printing {

std::string labelFileBytes(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + 2;
    }
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& line : lines) {
        bytes += line;
        bytes += kRecordEnd;
    }
    return bytes;
}

}  // namespace rotulano::printing
