#include "labels/SizeRules.h"

#include "core/FixedRecord.h"
#include "labels/TextRules.h"

namespace rotulano::labels {

namespace {
constexpr std::size_t kSizeWidth = 20;
constexpr std::size_t kSmallSizeWidth = 5;

// Position of the last non-blank of `text`, 0 when it is all blank.
int lastNonBlank(const std::string& text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string::npos ? 0 : static_cast<int>(last) + 1;
}
}  // namespace

bool sizeIsBlank(const std::string& size) {
    return core::isBlank(core::padRight(size, kSizeWidth));
}

std::string centredSize(const std::string& size) {
    const std::string value = textSlot(size, kSizeWidth);
    const int length = lastNonBlank(value);
    if (length == static_cast<int>(kSizeWidth)) {
        return value;
    }
    const std::string lead((kSizeWidth + 1 - static_cast<std::size_t>(length)) / 2, ' ');
    return core::padRight(lead + value.substr(0, static_cast<std::size_t>(length)), kSizeWidth);
}

int smallSizeLength(const std::string& size) {
    const int length = lastNonBlank(core::padRight(size, kSmallSizeWidth));
    return length == 0 ? 1 : length;
}

std::string smallSizeSlot(const std::string& size, int leadingBlanks) {
    const std::string value = textSlot(size, kSmallSizeWidth);
    const auto length = static_cast<std::size_t>(smallSizeLength(value));
    const std::string lead(leadingBlanks > 0 ? static_cast<std::size_t>(leadingBlanks) : 0, ' ');
    return core::padRight(lead + value.substr(0, length), kSmallSizeWidth);
}

ZplSmallSizePlacement zplSmallSizePlacement(int length) {
    static constexpr ZplSmallSizePlacement kTable[] = {{2, 20}, {2, 16}, {1, 16}, {1, 12}, {0, 8}};
    const int row = length < 1 ? 1 : (length > 5 ? 5 : length);
    return kTable[row - 1];
}

}  // namespace rotulano::labels
