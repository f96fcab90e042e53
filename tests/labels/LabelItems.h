#pragma once

#include <string>

#include "core/LabelRequest.h"
#include "core/OrderLine.h"
#include "labels/LabelOutput.h"

// The order items and settings of the label golden cases, as the print job leaves them.
namespace rotulano::labels::test {

// The worked tag item: quantity 000003, product 1234567890, price 00012345, size "GG"...
// with `code` at position 2.
core::OrderLine commonItem(char code);

// The worked tag item with accents in every text field, in the order's Latin-1 and
// Windows-1252: description "CAMISETA MANGA CURTA BÁSICA", size caption "NÚM", size
// "ÚNICO", complement "100% ALGODÃO – “SOFT”", side text "VERÃO 2026 €", footer
// "COR: AÇAÍ • ÂMBAR", item reference "CAMISÃO", supplier reference "REF-AÇÃO-0001",
// colour "AÇAÍ".
core::OrderLine accentedItem(char code);

// A pack item (code "9"): suffix "07", quantity 000005, pack 7891234567895.
core::OrderLine packItem();

// An internal item (code "A"): quantity 000007, product 1020304050.
core::OrderLine internalItem();

// Model 5 (Zebra), darkness 15, margins 2 and 3 mm, speed C.
core::PrinterSettings zebraSettings();

// The settings with both margins set to `millimetres`.
core::PrinterSettings withMargins(core::PrinterSettings settings, int millimetres);

// The print file of `output`: every line followed by CR LF.
std::string printFile(const LabelOutput& output);

}  // namespace rotulano::labels::test
