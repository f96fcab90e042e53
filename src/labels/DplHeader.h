#pragma once

#include <string>
#include <vector>

#include "core/PrinterSettings.h"

// The header lines of a DPL item label and of its order summary label.
namespace rotulano::labels {

// STX, which starts every DPL system command.
inline constexpr char kDplStx = '\x02';

// The system commands sent before the label format: the symbol set (left out by the
// small adhesive), metric units, and the start-of-print and stop positions (left out for
// the model that takes neither).
void appendDplSystemLines(std::vector<std::string>& lines, const core::PrinterSettings& settings,
                          bool withSymbolSet);

// STX "L" and the label format settings: heat (darkness "00" sent as "07"), dot size,
// column and row adjustment from the margins, speed, and the unslashed zero.
void appendDplFormatLines(std::vector<std::string>& lines, const core::PrinterSettings& settings);

// STX "L" and the dot size: the order summary label carries no other setting.
void appendDplSummaryFormatLines(std::vector<std::string>& lines);

}  // namespace rotulano::labels
