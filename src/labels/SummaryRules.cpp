#include "labels/SummaryRules.h"

#include "labels/CopyRules.h"
#include "labels/TextRules.h"

namespace rotulano::labels {

std::string summaryReference(const core::OrderLine& line) {
    switch (line.labelTypeCode()) {
        case '9':
            return textSlot(line.get(core::pack::kSupplierReference), 16);
        case 'A':
            return textSlot(line.get(core::internal::kDescription), 15);
        default:
            return textSlot(line.get(core::item::kSupplierReference), 16);
    }
}

std::string summaryText(const core::OrderLine& line, const SummaryWords& words) {
    return std::string(words.order) + textSlot(line.get(core::item::kOrderNumber), 6) +
           words.reference + summaryReference(line) + words.quantity +
           countText(labelQuantity(line.get(core::item::kQuantity)));
}

}  // namespace rotulano::labels
