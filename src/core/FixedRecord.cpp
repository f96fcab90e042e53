#include "core/FixedRecord.h"

#include <algorithm>

namespace rotulano::core {

std::string fieldAt(const std::string& record, std::size_t position, std::size_t length) {
    std::string out(length, ' ');
    if (position == 0) {
        return out;
    }
    const std::size_t start = position - 1;
    if (start < record.size()) {
        const std::size_t available = std::min(length, record.size() - start);
        out.replace(0, available, record, start, available);
    }
    return out;
}

void putField(std::string& record, std::size_t position, std::size_t length,
              const std::string& value) {
    if (position == 0) {
        return;
    }
    const std::size_t start = position - 1;
    if (record.size() < start + length) {
        record.resize(start + length, ' ');
    }
    record.replace(start, length, padRight(value, length));
}

std::string padRight(const std::string& value, std::size_t width, char fill) {
    if (value.size() >= width) {
        return value.substr(0, width);
    }
    return value + std::string(width - value.size(), fill);
}

std::string trimRight(const std::string& value) {
    const auto end = value.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : value.substr(0, end + 1);
}

bool isAllDigits(const std::string& value) {
    return !value.empty() &&
           std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isBlank(const std::string& value) {
    return value.find_first_not_of(' ') == std::string::npos;
}

long long digitsValue(const std::string& value) {
    long long number = 0;
    for (char c : value) {
        if (c >= '0' && c <= '9') {
            number = number * 10 + (c - '0');
        }
    }
    return number;
}

std::string zeroPadded(long long value, std::size_t width) {
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    std::string digits(width, '0');
    for (std::size_t i = width; i > 0 && magnitude > 0; --i) {
        digits[i - 1] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    return digits;
}

}  // namespace rotulano::core
