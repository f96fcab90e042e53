#include "labels/DplItemSlots.h"

#include "labels/CodeRules.h"
#include "labels/TextRules.h"

namespace rotulano::labels {

DplItemSlots DplItemSlots::fromLine(const core::OrderLine& line) {
    namespace item = core::item;
    DplItemSlots slots;
    slots.codeLine = letterOForZero(labels::codeLine(line.get(item::kSectionCode),
                                                     line.get(item::kItemReference),
                                                     line.get(item::kProductCode)));
    slots.barcode = ean13Data(line.get(item::kProductCode));
    slots.description = textSlot(line.get(item::kDescription), 30);
    slots.complement = textSlot(line.get(item::kComplementText), 35);
    slots.footer = textSlot(line.get(item::kFooterText), 34) + " ";
    slots.sizeCaption = textSlot(line.get(item::kSizeCaption), 3);
    slots.size = line.get(item::kSize);
    slots.side = textSlot(line.get(item::kSideText), 17);
    slots.price = editAmount(line.get(item::kPrice));
    return slots;
}

}  // namespace rotulano::labels
