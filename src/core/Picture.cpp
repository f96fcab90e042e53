#include "core/Picture.h"

#include <cstdlib>

namespace rotulano::core {

namespace {

bool isDigitSymbol(char symbol) {
    return symbol == '9' || symbol == 'Z';
}

int countDigitSymbols(const std::string& picture, std::size_t from, std::size_t to) {
    int count = 0;
    for (std::size_t i = from; i < to; ++i) {
        count += isDigitSymbol(picture[i]) ? 1 : 0;
    }
    return count;
}

// Fills the digit symbols of `picture` with `digits` (exactly as many as there are
// symbols) and applies zero suppression and the insertion characters.
std::string applyPicture(const std::string& picture, const std::string& digits) {
    const std::size_t comma = picture.find(',');
    const bool hasNine = picture.find('9') != std::string::npos;
    const bool allZero = digits.find_first_not_of('0') == std::string::npos;
    if (!hasNine && allZero) {
        return std::string(picture.size(), ' ');
    }
    std::string out(picture.size(), ' ');
    bool suppressing = true;
    std::size_t next = 0;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        const char symbol = picture[i];
        if (i == comma || symbol == '9') {
            suppressing = false;
        }
        if (isDigitSymbol(symbol)) {
            const char digit = digits[next++];
            if (digit != '0') {
                suppressing = false;
            }
            out[i] = (symbol == 'Z' && suppressing) ? ' ' : digit;
        } else if (symbol == 'B') {
            out[i] = ' ';
        } else {
            out[i] = (symbol == '.' && suppressing) ? ' ' : symbol;
        }
    }
    return out;
}

}  // namespace

std::string expandPicture(const std::string& picture) {
    std::string out;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        if (picture[i] == '(' && !out.empty()) {
            const std::size_t close = picture.find(')', i);
            if (close == std::string::npos) {
                break;
            }
            const int repeat = std::atoi(picture.substr(i + 1, close - i - 1).c_str());
            out.append(repeat > 1 ? static_cast<std::size_t>(repeat - 1) : 0, out.back());
            i = close;
        } else {
            out.push_back(picture[i]);
        }
    }
    return out;
}

std::string formatNumber(const std::string& pictureText, long long value, int decimals) {
    const std::string picture = expandPicture(pictureText);
    const std::size_t comma = picture.find(',');
    const int fractionDigits =
        comma == std::string::npos ? 0 : countDigitSymbols(picture, comma, picture.size());
    const int totalDigits = countDigitSymbols(picture, 0, picture.size());

    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    for (int d = decimals; d > fractionDigits; --d) {
        magnitude /= 10;
    }
    std::string digits = std::to_string(magnitude);
    digits.append(
        static_cast<std::size_t>(fractionDigits > decimals ? fractionDigits - decimals : 0), '0');
    const std::size_t width = static_cast<std::size_t>(totalDigits);
    digits = digits.size() >= width ? digits.substr(digits.size() - width)
                                    : std::string(width - digits.size(), '0') + digits;
    return applyPicture(picture, digits);
}

std::string formatDigits(const std::string& pictureText, const std::string& digitText) {
    const std::string picture = expandPicture(pictureText);
    const std::size_t width =
        static_cast<std::size_t>(countDigitSymbols(picture, 0, picture.size()));
    std::string digits;
    for (char c : digitText) {
        digits.push_back(c >= '0' && c <= '9' ? c : '0');
    }
    digits = digits.size() >= width ? digits.substr(digits.size() - width)
                                    : std::string(width - digits.size(), '0') + digits;
    return applyPicture(picture, digits);
}

}  // namespace rotulano::core
