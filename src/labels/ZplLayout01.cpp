#include "core/FixedRecord.h"
#include "labels/PriceRules.h"
#include "labels/SummaryRules.h"
#include "labels/ZplLabelForm.h"
#include "labels/ZplLayouts.h"
#include "labels/ZplTagFields.h"
#include "labels/ZplTagSlots.h"

namespace rotulano::labels {

namespace {

bool isOffer(char code) {
    return code >= '4' && code <= '7';
}

// Large adhesives and the odd-numbered offers sit on the wider stock.
int pitchFor(char code) {
    return (code == '3' || code == '5' || code == '7') ? 440 : 432;
}

std::vector<ZplField> fieldsFor(char code, const core::OrderLine& line) {
    const ZplTagSlots slots = ZplTagSlots::from(line);
    if (!isOffer(code)) {
        return zplTagFields(slots, code == '3' ? -24 : 0);
    }
    const std::string oldPrice = line.get(core::item::kOldPrice);
    if (!hasOldPrice(oldPrice)) {
        return zplOfferFields(slots);
    }
    return zplOfferOldPriceFields(slots, editAmount(effectiveOldPrice(oldPrice)));
}

}  // namespace

LabelOutput rotinaEtqZpl01(const core::LabelRequest& request) {
    const core::OrderLine line = zplSafeLine(request.line);
    const char code = line.labelTypeCode();
    ZplLabelForm form;
    form.logo = isOffer(code) ? LogoPoint::None : LogoPoint::AfterNaming;
    form.printWidth = "^PW912^FS ";
    form.homeDigits = 2;
    form.barCodeDefaults = "^BY3.20,003,56";
    form.columns = 2;
    form.pitch = pitchFor(code);
    form.fields = fieldsFor(code, line);
    form.summary = {0, 320, "^A0N,030,038^FD" + summaryText(line, kZplSummaryWords) + "^FS"};
    return form.build(request);
}

}  // namespace rotulano::labels
