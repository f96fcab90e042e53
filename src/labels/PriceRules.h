#pragma once

#include <string>

// The price and old price as the labels print them, shared by ZPL and DPL.
namespace rotulano::labels {

// An 8-digit amount with two implied decimals, edited for a label: the integer part in
// 3 characters with leading zeros as blanks, the 2 decimals, and how many integer digits
// show (which moves the large ZPL price).
struct EditedAmount {
    std::string integerPart;
    std::string decimals;
    int significantDigits = 0;
};

// The integer part shown when an amount cannot be printed truthfully in 3 digits: an
// amount of 1000,00 or more, or one that is not all digits.
inline constexpr const char* kAmountOverflow = "***";

// The price as printed: edits the 8-character `price` field. Amounts of 1000,00 or more, and fields
// that are not all digits, show "***" (and "**" for unreadable decimals) instead of a plausible but
// wrong price.
EditedAmount editAmount(const std::string& amountField);

// The old price field as the offer layouts read it: "00000000" when not numeric.
std::string effectiveOldPrice(const std::string& oldPriceField);

// Whether the offer layout prints the old price ("De R$") at all.
bool hasOldPrice(const std::string& oldPriceField);

// The layouts whose large price moves with its number of significant digits.
enum class LargePriceLayout { Tag01, Towel08 };

// Price position table: x (dots) of the price's integer part for column 1.
int zplLargePriceX(LargePriceLayout layout, int significantDigits);

}  // namespace rotulano::labels
