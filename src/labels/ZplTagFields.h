#pragma once

#include <vector>

#include "labels/PriceRules.h"
#include "labels/ZplField.h"
#include "labels/ZplTagSlots.h"

// The first-column field commands of the three forms of the tag layout (ZPL-01).
namespace rotulano::labels {

// Tag (code "1", `yShift` 0) and large adhesive (code "3", `yShift` -24: every command
// moves up but the logo, the footer and the side text).
std::vector<ZplField> zplTagFields(const ZplTagSlots& slots, int yShift);

// Offer and announcement labels without old price (codes "4" to "7").
std::vector<ZplField> zplOfferFields(const ZplTagSlots& slots);

// Offer and announcement labels with "De R$" and the old price struck through.
std::vector<ZplField> zplOfferOldPriceFields(const ZplTagSlots& slots,
                                             const EditedAmount& oldPrice);

}  // namespace rotulano::labels
