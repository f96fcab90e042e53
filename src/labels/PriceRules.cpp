#include "labels/PriceRules.h"

#include "core/FixedRecord.h"

namespace rotulano::labels {

namespace {
constexpr std::size_t kAmountWidth = 8;
}  // namespace

EditedAmount editAmount(const std::string& amountField) {
    const std::string amount = core::padRight(amountField, kAmountWidth);
    EditedAmount edited;
    if (!core::isAllDigits(amount)) {
        edited.integerPart = kAmountOverflow;
        const std::string decimals = amount.substr(6, 2);
        edited.decimals = core::isAllDigits(decimals) ? decimals : "**";
        edited.significantDigits = 3;
        return edited;
    }
    edited.decimals = amount.substr(6, 2);
    if (amount.substr(0, 3) != "000") {
        edited.integerPart = kAmountOverflow;
        edited.significantDigits = 3;
        return edited;
    }
    std::string integerPart = amount.substr(3, 3);
    const std::size_t firstSignificant = integerPart.find_first_not_of('0');
    const std::size_t leadingZeros =
        firstSignificant == std::string::npos ? integerPart.size() : firstSignificant;
    integerPart.replace(0, leadingZeros, leadingZeros, ' ');
    edited.integerPart = integerPart;
    edited.significantDigits = static_cast<int>(integerPart.size() - leadingZeros);
    return edited;
}

std::string effectiveOldPrice(const std::string& oldPriceField) {
    const std::string oldPrice = core::padRight(oldPriceField, kAmountWidth);
    return core::isAllDigits(oldPrice) ? oldPrice : std::string(kAmountWidth, '0');
}

bool hasOldPrice(const std::string& oldPriceField) {
    return core::digitsValue(effectiveOldPrice(oldPriceField)) != 0;
}

int zplLargePriceX(LargePriceLayout layout, int significantDigits) {
    static constexpr int kTag01[] = {146, 120, 90, 56};
    static constexpr int kTowel08[] = {170, 144, 114, 80};
    const int digits = significantDigits < 0 ? 0 : (significantDigits > 3 ? 3 : significantDigits);
    return layout == LargePriceLayout::Tag01 ? kTag01[digits] : kTowel08[digits];
}

}  // namespace rotulano::labels
