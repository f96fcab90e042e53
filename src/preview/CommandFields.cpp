#include "preview/CommandFields.h"

#include <algorithm>

namespace rotulano::preview {

namespace {

bool isBlankByte(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Far beyond any printer's range, and far from overflowing while digits are added.
constexpr long long kNumberCeiling = 1'000'000'000'000LL;

}  // namespace

std::string trimBlanks(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlankByte(text[first])) {
        ++first;
    }
    while (last > first && isBlankByte(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

std::vector<std::string> splitFields(const std::string& text, char separator) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string::npos) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::string fieldAt(const std::vector<std::string>& fields, std::size_t index) {
    return index < fields.size() ? fields[index] : std::string();
}

long long leadingNumber(const std::string& text, long long fallback, long long low,
                        long long high) {
    const std::string trimmed = trimBlanks(text);
    if (trimmed.empty() || !isDigit(trimmed.front())) {
        return fallback;
    }
    long long value = 0;
    for (char c : trimmed) {
        if (!isDigit(c)) {
            break;
        }
        value = std::min(kNumberCeiling, value * 10 + (c - '0'));
    }
    return std::clamp(value, low, high);
}

double decimalNumber(const std::string& text, double fallback) {
    const std::string trimmed = trimBlanks(text);
    double value = 0.0;
    double scale = 0.0;  // 0 while reading the whole part
    bool anyDigit = false;
    for (char c : trimmed) {
        if (isDigit(c)) {
            anyDigit = true;
            if (scale == 0.0) {
                value = std::min(1e12, value * 10.0 + (c - '0'));
            } else {
                value += (c - '0') * scale;
                scale /= 10.0;
            }
        } else if ((c == '.' || c == ',') && scale == 0.0) {
            scale = 0.1;
        } else {
            break;
        }
    }
    return anyDigit ? value : fallback;
}

bool onlyDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

}  // namespace rotulano::preview
