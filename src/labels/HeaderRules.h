#pragma once

#include <cstddef>
#include <string>

#include "core/PrinterSettings.h"

// The printer settings as the label header commands carry them.
namespace rotulano::labels {

// Dots per millimetre of the ZPL layouts.
inline constexpr int kZplDotsPerMm = 8;

// A margin setting's two digits as millimetres; non-digit characters are skipped.
int marginMillimetres(const std::string& marginDigits);

// "^MD" + the darkness digits as stored ("^", "~" and control bytes as blanks).
std::string zplDarknessCommand(const core::PrinterSettings& settings);

// "^LH" + left margin x 8 + "," + top margin x 8, each in at least `minDigits` digits (2 in
// ZPL-01, 08, 09; 3 in ZPL-02, A), with every digit kept: 13 mm is 104 dots in both.
std::string zplLabelHomeCommand(const core::PrinterSettings& settings, std::size_t minDigits);

// "^PR" + the speed letter as stored ("^", "~" and control bytes as blanks).
std::string zplSpeedCommand(const core::PrinterSettings& settings);

// DPL heat digits: the darkness digits, "00" sent as "07".
std::string dplHeatDigits(const core::PrinterSettings& settings);

// DPL column or row adjustment: the margin x 10 (tenths of a millimetre) in 4 digits.
std::string dplMarginTenths(const std::string& marginDigits);

}  // namespace rotulano::labels
