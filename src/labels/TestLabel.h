#pragma once

#include <string>
#include <vector>

#include "core/PrinterSettings.h"

namespace rotulano::labels {

// The small label the Portas window's "Testar" prints to show that a port reaches its
// printer: "Rotulano", the port name and the date and time, in the language of the
// saved printer model. `clock` is the platform's clock
// text (yyyymmddhhmmsscc...). One command per line, as in a print file.
std::vector<std::string> testLabelLines(const core::PrinterSettings& settings,
                                        const std::string& portName, const std::string& clock);

}  // namespace rotulano::labels
