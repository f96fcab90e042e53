#include "labels/CodeRules.h"
#include "labels/PriceRules.h"
#include "labels/SummaryRules.h"
#include "labels/TextRules.h"
#include "labels/ZplLabelForm.h"
#include "labels/ZplLayouts.h"

namespace rotulano::labels {

namespace {

std::vector<ZplField> fieldsOf(const core::OrderLine& line) {
    namespace item = core::item;
    const std::string productCode = line.get(item::kProductCode);
    const EditedAmount price = editAmount(line.get(item::kPrice));
    const int priceX = zplLargePriceX(LargePriceLayout::Towel08, price.significantDigits);
    const std::string code = letterOForZero(
        codeLine(line.get(item::kSectionCode), line.get(item::kItemReference), productCode));
    return {
        {140, 112, "^XGR:LOGOVRDL.GRF,1,1^FS"},
        {40, 164, "^ADN,018,010^FD" + code + "^FS"},
        {40, 188, "^BEN,48,N,N^FD" + ean13Data(productCode) + "^FS"},
        {0, 260, "^A0N,019,019^FD" + textSlot(line.get(item::kComplementText), 35) + "^FS"},
        {0, 20, "^GB400,0,23^FS"},
        {0, 280, "^A0N,024,027^FD" + textSlot(line.get(item::kDescription), 30) + "^FS"},
        {priceX, 312, "^A0N,100,168^FD" + price.integerPart + "^FS"},
        {328, 316, "^A0N,030,034^FD," + price.decimals + "^FS"},
        {0, 316, "^A0N,032,040^FDR$^FS"},
    };
}

}  // namespace

LabelOutput rotinaEtqZpl08(const core::LabelRequest& request) {
    const core::OrderLine line = zplSafeLine(request.line);
    ZplLabelForm form;
    form.logo = LogoPoint::BeforeNaming;
    form.printWidth = "^PW880  ";
    form.homeDigits = 2;
    form.barCodeDefaults = "^BY3.20,003,56";
    form.columns = 2;
    form.pitch = 400;
    form.fields = fieldsOf(line);
    form.summary = {0, 320, "^A0N,030,038^FD" + summaryText(line, kZplSummaryWords) + "^FS"};
    return form.build(request);
}

}  // namespace rotulano::labels
