#include "printing/RowJob.h"

#include "core/FixedRecord.h"

namespace rotulano::printing {

core::LabelRequest rowRequest(const std::string& orderLine, long long quantity,
                              const std::string& orderNumber,
                              const core::PrinterSettings& settings) {
    core::LabelRequest request{core::OrderLine(orderLine), settings};
    request.line.set(core::item::kQuantity, core::zeroPadded(quantity, 6));
    request.line.set(core::item::kOrderNumber, core::padRight(orderNumber, 6));
    return request;
}

}  // namespace rotulano::printing
