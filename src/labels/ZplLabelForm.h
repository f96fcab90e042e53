#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/LabelRequest.h"
#include "core/OrderLine.h"
#include "labels/LabelOutput.h"
#include "labels/ZplField.h"

namespace rotulano::labels {

// Everything that sets one ZPL layout apart: its header values, how many labels stand
// across the stock and how far apart, the field commands of the first column and the
// text line of its order summary label.
struct ZplLabelForm {
    LogoPoint logo = LogoPoint::None;
    std::string printWidth;
    std::size_t homeDigits = 2;
    std::string barCodeDefaults;
    int columns = 2;
    int pitch = 0;
    std::vector<ZplField> fields;
    ZplField summary;

    // The item label in every column, "^PQ" with the copies and "^XZ", then the order
    // summary label with one copy.
    LabelOutput build(const core::LabelRequest& request) const;
};

// The request's order line with the ZPL command prefixes "^" and "~" blanked, so that
// no order data can end a field or reach the printer as a command.
core::OrderLine zplSafeLine(const core::OrderLine& line);

}  // namespace rotulano::labels
