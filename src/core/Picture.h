#pragma once

#include <string>

// Edit pictures of the grid columns and display fields: "ZZZ.ZZZ", "ZZZZ,ZZ",
// "99/99/9999", "99B999B999B9999B99", "999999B999B9", "9(03)" and "X(n)".
//   9  a digit, always shown
//   Z  a digit, shown as a blank while it is a leading zero
//   B  a blank
//   .  the thousands point, blank inside the leading zeros
//   ,  the decimal comma
//   /  shown as it is
// A picture with no "9" shows a value of zero as all blanks.
namespace rotulano::core {

// "9(03)" -> "999", "X(30)" -> thirty "X".
std::string expandPicture(const std::string& picture);

// Shows `value`, a number with `decimals` implied decimal places, through `picture`.
// The sign is dropped; integer digits that do not fit are dropped from the left and
// decimals that do not fit are cut, as a numeric display field does.
std::string formatNumber(const std::string& picture, long long value, int decimals = 0);

// Shows a string of digits (a date, a CNPJ, a product code) through `picture`.
// Non-digit characters count as zero.
std::string formatDigits(const std::string& picture, const std::string& digits);

}  // namespace rotulano::core
