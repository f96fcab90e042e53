#include "preview/ZplCommandReader.h"

#include <cctype>

namespace rotulano::preview {

namespace {

bool isPrefix(char c) {
    return c == '^' || c == '~';
}

std::size_t nextPrefix(const std::string& bytes, std::size_t from) {
    const std::size_t found = bytes.find_first_of("^~", from);
    return found == std::string::npos ? bytes.size() : found;
}

// The bytes of [from, to) without CR and LF.
std::string withoutLineEnds(const std::string& bytes, std::size_t from, std::size_t to) {
    std::string text;
    text.reserve(to - from);
    for (std::size_t i = from; i < to; ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') {
            text.push_back(bytes[i]);
        }
    }
    return text;
}

}  // namespace

bool ZplCommandReader::next(ZplCommand& command) {
    position_ = nextPrefix(bytes_, position_);
    if (position_ >= bytes_.size()) {
        return false;
    }
    command.prefix = bytes_[position_];
    command.code.clear();
    std::size_t cursor = position_ + 1;
    // The code's two characters; line ends between them are skipped like anywhere else.
    while (command.code.size() < 2 && cursor < bytes_.size() && !isPrefix(bytes_[cursor])) {
        const char c = bytes_[cursor++];
        if (c != '\r' && c != '\n') {
            command.code.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
        }
    }
    const std::size_t end = nextPrefix(bytes_, cursor);
    command.parameters = withoutLineEnds(bytes_, cursor, end);
    position_ = end;
    return true;
}

}  // namespace rotulano::preview
