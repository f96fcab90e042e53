#pragma once

#include "core/OrderLine.h"
#include "core/PrinterSettings.h"

namespace rotulano::core {

// What the print job leaves for a label routine: the row's order line with the
// quantity (positions 5-10) and the order number (295-300) written in, and the
// settings as last read or saved.
struct LabelRequest {
    OrderLine line;
    PrinterSettings settings;
};

}  // namespace rotulano::core
