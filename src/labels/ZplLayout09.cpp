#include "labels/CodeRules.h"
#include "labels/SummaryRules.h"
#include "labels/TextRules.h"
#include "labels/ZplLabelForm.h"
#include "labels/ZplLayouts.h"

namespace rotulano::labels {

namespace {

std::vector<ZplField> fieldsOf(const core::OrderLine& line) {
    const std::string packCode = line.get(core::pack::kPackCode);
    const std::string orderLine =
        packOrderLine(line.get(core::item::kOrderNumber), '.', line.get(core::pack::kPackSuffix));
    return {
        {0, 0, "^XGR:LOGOVRDL.GRF,1,1^FS"},
        {136, 0, "^A0N,016,020^FD" + orderLine + "^FS"},
        {136, 24, "^A0N,016,020^FD" + packArticleLine(packCode, '.') + "^FS"},
        {0, 48, "^A0N,016,020^FD" + textSlot(line.get(core::pack::kPackDescription), 30) + "^FS"},
        {0, 72, "^B2N,64,N,N^FD" + interleavedData(packCode) + "^FS"},
    };
}

}  // namespace

LabelOutput rotinaEtqZpl09(const core::LabelRequest& request) {
    const core::OrderLine line = zplSafeLine(request.line);
    ZplLabelForm form;
    form.logo = LogoPoint::AfterNaming;
    form.printWidth = "^PW880  ";
    form.homeDigits = 2;
    form.barCodeDefaults = "^BY3,2.3,56";
    form.columns = 2;
    form.pitch = 380;
    form.fields = fieldsOf(line);
    form.summary = {0, 16, "^A0N,030,038^FD" + summaryText(line, kZplSummaryWords) + "^FS"};
    return form.build(request);
}

}  // namespace rotulano::labels
