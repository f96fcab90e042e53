#include "labels/CodeRules.h"
#include "labels/PriceRules.h"
#include "labels/SizeRules.h"
#include "labels/SummaryRules.h"
#include "labels/TextRules.h"
#include "labels/ZplLabelForm.h"
#include "labels/ZplLayouts.h"

namespace rotulano::labels {

namespace {

// The box, caption and size commands, left out when the size is blank; the size moves
// with its length so that it stays centred in the box.
void addSizeGroup(std::vector<ZplField>& fields, const core::OrderLine& line) {
    const std::string size = line.get(core::item::kSize);
    if (sizeIsBlank(size)) {
        return;
    }
    const ZplSmallSizePlacement placement = zplSmallSizePlacement(smallSizeLength(size));
    const std::string caption = textSlot(line.get(core::item::kSizeCaption), 3);
    fields.push_back({0, 100, "^GB096,52,3^FS"});
    fields.push_back({12, 108, "^ABN,001,001^FD" + caption + ":^FS"});
    fields.push_back({placement.x, 124,
                      "^A0N,026,026^FD" + smallSizeSlot(size, placement.leadingBlanks) + "^FS"});
}

std::vector<ZplField> fieldsOf(const core::OrderLine& line) {
    namespace item = core::item;
    const std::string productCode = line.get(item::kProductCode);
    const EditedAmount price = editAmount(line.get(item::kPrice));
    const std::string code = letterOForZero(
        codeLine(line.get(item::kSectionCode), line.get(item::kItemReference), productCode));
    std::vector<ZplField> fields;
    addSizeGroup(fields, line);
    fields.push_back({32, 0, "^ADN,018,010^FD" + code + "^FS"});
    fields.push_back({32, 24, "^BEN,32,N,N^FD" + ean13Data(productCode) + "^FS"});
    fields.push_back(
        {32, 76, "^A0N,017,018^FD" + textSlot(line.get(item::kDescription), 30) + "^FS"});
    fields.push_back({144, 96, "^ACN,068,044^FD" + letterOForZero(price.integerPart) + "^FS"});
    fields.push_back({296, 100, "^A0N,024,024^FD," + price.decimals + "^FS"});
    fields.push_back({104, 100, "^A0N,024,024^FDR$^FS"});
    fields.push_back(
        {336, 0, "^ABB,001,001  ^FD" + textSlot(line.get(item::kSideText), 17) + "^FS"});
    return fields;
}

}  // namespace

LabelOutput rotinaEtqZpl02(const core::LabelRequest& request) {
    const core::OrderLine line = zplSafeLine(request.line);
    ZplLabelForm form;
    form.logo = LogoPoint::None;
    form.printWidth = "^PW880  ";
    form.homeDigits = 3;
    form.barCodeDefaults = "^BY3.20,003,56";
    form.columns = 2;
    form.pitch = 380;
    form.fields = fieldsOf(line);
    form.summary = {40, 120, "^A0N,030,028^FD" + summaryText(line, kZplSummaryWords) + "^FS"};
    return form.build(request);
}

}  // namespace rotulano::labels
