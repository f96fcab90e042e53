#include "core/WideText.h"

namespace rotulano::core {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void appendUtf8(std::string& out, char32_t code) {
    const auto byte = [&out](char32_t value) { out.push_back(static_cast<char>(value)); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6));
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | (code >> 18));
        byte(0x80 | ((code >> 12) & 0x3F));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

void appendUtf16(std::u16string& out, char32_t code) {
    if (code < 0x10000) {
        out.push_back(static_cast<char16_t>(code));
        return;
    }
    code -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
}

// The length of the sequence that `lead` starts and the smallest number it may carry
// (a smaller one is an overlong form); 0 when `lead` starts none.
int sequenceLength(unsigned char lead, char32_t& smallest) {
    if (lead >= 0xC0 && lead < 0xE0) {
        smallest = 0x80;
        return 2;
    }
    if (lead >= 0xE0 && lead < 0xF0) {
        smallest = 0x800;
        return 3;
    }
    if (lead >= 0xF0 && lead < 0xF5) {
        smallest = 0x10000;
        return 4;
    }
    return 0;
}

// Reads the sequence at `at` into `code`: its length, or 0 when it is not sound.
std::size_t decodeAt(const std::string& narrow, std::size_t at, char32_t& code) {
    const auto lead = static_cast<unsigned char>(narrow[at]);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    char32_t smallest = 0;
    const int length = sequenceLength(lead, smallest);
    if (length == 0 || narrow.size() - at < static_cast<std::size_t>(length)) {
        return 0;
    }
    code = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(narrow[at + i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF) {
        return 0;
    }
    return static_cast<std::size_t>(length);
}

}  // namespace

std::string narrowText(const std::u16string& wide) {
    std::string narrow;
    narrow.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t code = wide[i];
        if (isHighSurrogate(code) && i + 1 < wide.size() && isLowSurrogate(wide[i + 1])) {
            code = 0x10000 + ((code - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            ++i;
        }
        appendUtf8(narrow, code);
    }
    return narrow;
}

std::u16string wideText(const std::string& narrow) {
    std::u16string wide;
    wide.reserve(narrow.size());
    std::size_t at = 0;
    while (at < narrow.size()) {
        char32_t code = 0;
        const std::size_t length = decodeAt(narrow, at, code);
        appendUtf16(wide, length == 0 ? kReplacement : code);
        at += length == 0 ? 1 : length;
    }
    return wide;
}

}  // namespace rotulano::core
