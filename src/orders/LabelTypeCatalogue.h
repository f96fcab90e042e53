#pragma once

#include <string>

#include "core/OrderLine.h"
#include "orders/LabelTypeView.h"

namespace rotulano::orders {

// True when the colour field of an item (positions 196-205) is exactly "AMARELO" followed
// by three blanks: such items take the yellow variant of their label type.
bool isYellowItem(const std::string& colour);

// ROTINA-MONTA-ETQ: looks the line's label type code (position 2) and colour up in the
// catalogue of the ten label types. `languageIndex` is the selection of W-PRMLINGUA:
// 1 gives the Portuguese names, any other value the English ones. A code outside the
// catalogue gets a blank name and no picture, so that a row never shows the label type of
// the row read before it; its cell colour still follows the colour field.
LabelTypeView rotinaMontaEtq(const core::OrderLine& line, int languageIndex);

}  // namespace rotulano::orders
