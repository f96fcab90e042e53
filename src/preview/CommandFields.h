#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Reading the parameters of printer commands. Printers read numbers leniently: a field
// that starts with digits counts with those digits ("3.20" is 3 for a whole-number
// parameter), an empty or unreadable one takes the command's default.
namespace rotulano::preview {

// `text` without blanks, tabs, CR and LF at either end.
std::string trimBlanks(const std::string& text);

// The fields of `text` between `separator` characters, as they stand.
std::vector<std::string> splitFields(const std::string& text, char separator = ',');

// The field at `index`, or an empty one when there are fewer fields.
std::string fieldAt(const std::vector<std::string>& fields, std::size_t index);

// The whole number written by the leading digits of `text` (after blanks), kept within
// [low, high]; `fallback` when `text` starts with no digit.
long long leadingNumber(const std::string& text, long long fallback, long long low, long long high);

// A decimal number such as "2.3", "003" or "3,0"; `fallback` when `text` holds none.
double decimalNumber(const std::string& text, double fallback);

// True when `text` is not empty and holds only the digits 0 to 9.
bool onlyDigits(const std::string& text);

}  // namespace rotulano::preview
