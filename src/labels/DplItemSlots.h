#pragma once

#include <string>

#include "core/OrderLine.h"
#include "labels/PriceRules.h"

namespace rotulano::labels {

// The data slots that the DPL tag, adhesive and towel layouts (codes "1" to "8") fill
// from the common item layout, made safe and cut to their widths once per label.
struct DplItemSlots {
    std::string codeLine;     // code line, 30, zeros printed as the letter O
    std::string barcode;      // EAN-13 data, 12 digits
    std::string description;  // 30 (the tag layouts print its first 27)
    std::string complement;   // 35
    std::string footer;       // 34 and one blank
    std::string sizeCaption;  // 3
    std::string size;         // the raw 20 characters, placed by each layout
    std::string side;         // 17, printed along the right edge
    EditedAmount price;

    // Fills the slots from an item line of the common layout.
    static DplItemSlots fromLine(const core::OrderLine& line);
};

}  // namespace rotulano::labels
