#include "labels/CodeRules.h"
#include "labels/SummaryRules.h"
#include "labels/TextRules.h"
#include "labels/ZplLabelForm.h"
#include "labels/ZplLayouts.h"

namespace rotulano::labels {

namespace {

// The internal label's summary prints its description where the others print the
// supplier reference, with two blanks before the quantity.
constexpr SummaryWords kInternalSummaryWords{"Pedido: ", " S/Ref: ", "  Qtd.: "};

std::vector<ZplField> fieldsOf(const core::OrderLine& line) {
    namespace internal = core::internal;
    const std::string productCode = line.get(core::item::kProductCode);
    const std::string smallText = textSlot(line.get(internal::kInternalText1), 8) + "/" +
                                  textSlot(line.get(internal::kInternalText3), 8) + " " +
                                  textSlot(line.get(internal::kInternalText2), 9);
    const std::string description = textSlot(line.get(core::item::kDescription), 11) + " ";
    return {
        {0, 40, "^ABB,001,001^FD" + smallText + "^FS"},
        {20, 0, "^BEB,32,N,N^FD" + ean13Data(productCode) + "^FS"},
        {68, 140, "^ADB,018,010^FD" + description + "^FS"},
        {68, 0, "^ADB,018,010^FD" + letterOForZero(internalCodeText(productCode)) + "^FS"},
    };
}

}  // namespace

LabelOutput rotinaEtqZplA(const core::LabelRequest& request) {
    const core::OrderLine line = zplSafeLine(request.line);
    ZplLabelForm form;
    form.logo = LogoPoint::None;
    form.printWidth = "^PW880  ";
    form.homeDigits = 3;
    form.barCodeDefaults = "^BY3.20,003,56";
    form.columns = 6;
    form.pitch = 128;
    form.fields = fieldsOf(line);
    form.summary = {40, 120, "^A0N,030,028^FD" + summaryText(line, kInternalSummaryWords) + "^FS"};
    return form.build(request);
}

}  // namespace rotulano::labels
