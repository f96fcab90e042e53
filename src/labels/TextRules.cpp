#include "labels/TextRules.h"

#include <algorithm>

#include "core/FixedRecord.h"
#include "labels/PrinterLetters.h"

namespace rotulano::labels {

std::string byteSlot(const std::string& value, std::size_t width) {
    std::string slot = core::padRight(value, width);
    std::replace_if(
        slot.begin(), slot.end(),
        [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return byte < 0x20 || byte == 0x7F;
        },
        ' ');
    return slot;
}

std::string textSlot(const std::string& value, std::size_t width) {
    return printerLetters(byteSlot(value, width));
}

std::string letterOForZero(std::string slot) {
    std::replace(slot.begin(), slot.end(), '0', 'O');
    return slot;
}

std::string zplFieldText(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '^' || c == '~'; }, ' ');
    return text;
}

}  // namespace rotulano::labels
