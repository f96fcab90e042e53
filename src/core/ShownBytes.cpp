#include "core/ShownBytes.h"

namespace rotulano::core {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the UTF-8 sequence for a printable character that starts `bytes`, or 0.
// Overlong forms, surrogates and the C1 control characters (U+0080-U+009F) do not count.
std::size_t printableSequence(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead >= 0x20 && lead < 0x7F) {
        return 1;
    }
    std::size_t length = 0;
    unsigned int value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[i]);
        if (!isContinuation(next)) {
            return 0;
        }
        value = (value << 6) | (next & 0x3F);
    }
    const unsigned int smallest[] = {0, 0, 0xA0, 0x800, 0x10000};
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    return value < smallest[length] || surrogate || value > 0x10FFFF ? 0 : length;
}

}  // namespace

std::string shownBytes(std::string_view bytes) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string shown;
    shown.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t length = printableSequence(bytes);
        if (length > 0) {
            shown.append(bytes.substr(0, length));
            bytes.remove_prefix(length);
            continue;
        }
        const auto byte = static_cast<unsigned char>(bytes[0]);
        shown += "\\x";
        shown += kHex[byte >> 4];
        shown += kHex[byte & 0x0F];
        bytes.remove_prefix(1);
    }
    return shown;
}

}  // namespace rotulano::core
