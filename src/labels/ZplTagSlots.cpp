#include "labels/ZplTagSlots.h"

#include "labels/CodeRules.h"
#include "labels/SizeRules.h"
#include "labels/TextRules.h"

namespace rotulano::labels {

ZplTagSlots ZplTagSlots::from(const core::OrderLine& line) {
    namespace item = core::item;
    ZplTagSlots slots;
    const std::string size = line.get(item::kSize);
    slots.hasSize = !sizeIsBlank(size);
    slots.sizeCaption = textSlot(line.get(item::kSizeCaption), 3);
    slots.size = centredSize(size);
    slots.footerText = textSlot(line.get(item::kFooterText), 34);
    slots.codeLine = letterOForZero(labels::codeLine(line.get(item::kSectionCode),
                                                     line.get(item::kItemReference),
                                                     line.get(item::kProductCode)));
    slots.barCode = ean13Data(line.get(item::kProductCode));
    slots.complementText = textSlot(line.get(item::kComplementText), 35);
    slots.description = textSlot(line.get(item::kDescription), 27);
    slots.price = editAmount(line.get(item::kPrice));
    slots.priceX = zplLargePriceX(LargePriceLayout::Tag01, slots.price.significantDigits);
    slots.sideText = textSlot(line.get(item::kSideText), 17);
    return slots;
}

}  // namespace rotulano::labels
