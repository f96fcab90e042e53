#include "printing/RowJob.h"

#include "core/FixedRecord.h"
#include "labels/LetterCheck.h"
#include "labels/RoutineChoice.h"

namespace rotulano::printing {

core::LabelRequest rowRequest(const std::string& orderLine, long long quantity,
                              const std::string& orderNumber,
                              const core::PrinterSettings& settings) {
    core::LabelRequest request{core::OrderLine(orderLine), settings};
    request.line.set(core::item::kQuantity, core::zeroPadded(quantity, 6));
    request.line.set(core::item::kOrderNumber, core::padRight(orderNumber, 6));
    return request;
}

RowJobResult printRow(LabelJob& job, const core::LabelRequest& request) {
    RowJobResult result;
    const labels::LabelRoutine routine =
        labels::chooseLabelRoutine(request.settings.model(), request.line.labelTypeCode());
    if (routine == nullptr) {
        return result;
    }
    result.hasRoutine = true;
    result.channel = job.send(labels::withLetterCheck(routine, request), request.settings);
    return result;
}

}  // namespace rotulano::printing
