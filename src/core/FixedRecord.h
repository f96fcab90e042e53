#pragma once

#include <cstddef>
#include <string>

// Helpers for the fixed-width records of the order file, the parameter file and the
// label templates. Positions are 1-based, as in the record layouts; a record is a
// std::string of single-byte characters.
namespace rotulano::core {

// The `length` characters that start at 1-based `position`; what lies beyond the end
// of `record` reads as blanks.
std::string fieldAt(const std::string& record, std::size_t position, std::size_t length);

// Writes `value` into the slot at 1-based `position`, cut or blank-padded to `length`.
// The record grows with blanks when the slot lies beyond its end.
void putField(std::string& record, std::size_t position, std::size_t length,
              const std::string& value);

// `value` cut at `width` or padded on the right with blanks to `width`.
std::string padRight(const std::string& value, std::size_t width, char fill = ' ');

// `value` without its trailing blanks.
std::string trimRight(const std::string& value);

// True when `value` is not empty and holds only the digits 0 to 9.
bool isAllDigits(const std::string& value);

// True when `value` holds nothing but blanks (an empty value counts as blank).
bool isBlank(const std::string& value);

// The number written by the digits of `value`; call only after isAllDigits().
long long digitsValue(const std::string& value);

// `value` (taken without its sign) written in `width` digits, keeping the low-order
// digits when it does not fit, as a numeric record field does.
std::string zeroPadded(long long value, std::size_t width);

}  // namespace rotulano::core
