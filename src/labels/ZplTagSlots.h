#pragma once

#include <string>

#include "core/OrderLine.h"
#include "labels/PriceRules.h"

namespace rotulano::labels {

// The filled slots of the tag, large adhesive and offer layouts (ZPL-01), read from an
// order line of the common layout.
struct ZplTagSlots {
    bool hasSize = false;
    std::string sizeCaption;     // 3
    std::string size;            // 20, centred
    std::string footerText;      // 34
    std::string codeLine;        // 30, zeros as letter O
    std::string barCode;         // 12, EAN-13 data
    std::string complementText;  // 35
    std::string description;     // 27, positions 21-47
    EditedAmount price;
    int priceX = 0;        // first column
    std::string sideText;  // 17

    static ZplTagSlots from(const core::OrderLine& line);
};

}  // namespace rotulano::labels
