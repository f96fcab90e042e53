#include "preview/DplStreamReader.h"

#include <algorithm>

namespace rotulano::preview {

namespace {

constexpr char kSoh = '\x01';
constexpr char kStx = '\x02';

// The smallest BMP: the 14-byte file header and a 12-byte core header.
constexpr std::size_t kSmallestBitmap = 26;

}  // namespace

std::size_t DplStreamReader::lineEnd(std::size_t from) const {
    std::size_t end = from;
    while (end < bytes_.size() && bytes_[end] != '\r' && bytes_[end] != kStx &&
           bytes_[end] != kSoh) {
        ++end;
    }
    return end;
}

void DplStreamReader::skipLineFeeds() {
    while (position_ < bytes_.size() && (bytes_[position_] == '\n' || bytes_[position_] == '\r')) {
        ++position_;
    }
}

bool DplStreamReader::next(DplCommand& command) {
    for (;;) {
        skipLineFeeds();
        if (position_ >= bytes_.size()) {
            return false;
        }
        const char first = bytes_[position_];
        if (first == kSoh) {
            command.kind = DplCommand::Kind::Immediate;
            command.text = bytes_.substr(position_ + 1, 1);
            position_ = std::min(bytes_.size(), position_ + 2);
            return true;
        }
        const bool system = first == kStx;
        const std::size_t start = position_ + (system ? 1 : 0);
        const std::size_t end = lineEnd(start);
        command.kind = system ? DplCommand::Kind::System : DplCommand::Kind::FormatLine;
        command.text = bytes_.substr(start, end - start);
        // A CR ends the command; an STX or SOH is left for the next one.
        position_ = end < bytes_.size() && bytes_[end] == '\r' ? end + 1 : end;
        if (system || !command.text.empty()) {
            return true;
        }
    }
}

std::optional<std::string> DplStreamReader::takeBitmap() {
    std::size_t start = position_;
    if (start < bytes_.size() && bytes_[start] == '\n') {
        ++start;
    }
    if (bytes_.compare(start, 2, "BM") != 0) {
        return std::nullopt;
    }
    // The file's own size, bytes 2 to 5 of its header, little-endian.
    std::size_t declared = 0;
    for (std::size_t i = 0; i < 4 && start + 2 + i < bytes_.size(); ++i) {
        declared |= static_cast<std::size_t>(static_cast<unsigned char>(bytes_[start + 2 + i]))
                    << (8 * i);
    }
    const std::size_t available = bytes_.size() - start;
    const std::size_t length = std::min(std::max(declared, kSmallestBitmap), available);
    position_ = start + length;
    return bytes_.substr(start, length);
}

}  // namespace rotulano::preview
