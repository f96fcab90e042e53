#include "labels/CopyRules.h"

#include "core/FixedRecord.h"

namespace rotulano::labels {

long long labelQuantity(const std::string& quantityField) {
    const std::size_t first = quantityField.find_first_not_of(' ');
    if (first == std::string::npos) {
        return 0;
    }
    const std::string digits = core::trimRight(quantityField.substr(first));
    return core::isAllDigits(digits) ? core::digitsValue(digits) : 0;
}

long long copiesFor(long long quantity, int columns) {
    if (quantity <= 0 || columns <= 0) {
        return 0;
    }
    return (quantity + columns - 1) / columns;
}

std::string countText(long long count, std::size_t width) {
    const std::string all = std::to_string(count < 0 ? 0 : count);
    return all.size() > width ? all : core::zeroPadded(count, width);
}

}  // namespace rotulano::labels
