#include "orders/ItemRow.h"

#include "core/OrderLine.h"
#include "orders/FieldNumber.h"
#include "orders/LabelTypeCatalogue.h"

namespace rotulano::orders {

namespace {
constexpr int kPriceDecimals = 2;
}

ItemRow::ItemRow(const std::string& line, int itemNumber, int languageIndex)
    : record_(core::OrderLine(line).bytes()) {
    const core::OrderLine orderLine(record_);
    labelType_ = rotinaMontaEtq(orderLine, languageIndex);
    cells_[kColSel] = CellValue::ofText(QString());
    cells_[kColItem] = CellValue::ofNumber(itemNumber);
    cells_[kColQuantity] = CellValue::ofNumber(fieldNumber(orderLine.get(core::item::kQuantity)));
    cells_[kColType] = CellValue::ofText(labelType_.gridText);
    switch (orderLine.labelTypeCode()) {
        case '9':
            fillPack();
            break;
        case 'A':
            fillInternal();
            break;
        default:
            fillStandard();
            break;
    }
}

const CellValue& ItemRow::cell(int column) const {
    static const CellValue kNone;
    return column >= 1 && column <= kColumnCount ? cells_[column] : kNone;
}

void ItemRow::setText(int column, const std::string& bytes) {
    cells_[column] = CellValue::ofLatin1(bytes);
}

void ItemRow::fillStandard() {
    const core::OrderLine line(record_);
    cells_[kColCode] = CellValue::ofNumber(fieldNumber(line.get(core::item::kProductCode)));
    setText(kColDescription, line.get(core::item::kDescription));
    setText(kColSize, line.get(core::item::kSize));
    setText(kColSide, line.get(core::item::kSideText));
    setText(kColFooter, line.get(core::item::kFooterText));
    cells_[kColPrice] =
        CellValue::ofNumber(fieldNumber(line.get(core::item::kPrice)), kPriceDecimals);
}

// A pack carries no price; its size is the number in positions 19-20 of the pack code.
void ItemRow::fillPack() {
    const core::OrderLine line(record_);
    setText(kColCode, line.get(core::pack::kPackCode));
    setText(kColDescription, line.get(core::pack::kPackDescription));
    cells_[kColSize] = CellValue::ofNumber(fieldNumber(line.get(core::pack::kSizeNumber)));
    setText(kColSide, std::string());
    setText(kColFooter, std::string());
    cells_[kColPrice] = CellValue::ofNumber(0, kPriceDecimals);
}

// An internal item carries no price; its three short texts fill the size and the two
// unnamed columns.
void ItemRow::fillInternal() {
    const core::OrderLine line(record_);
    cells_[kColCode] = CellValue::ofNumber(fieldNumber(line.get(core::item::kProductCode)));
    setText(kColDescription, line.get(core::internal::kDescription));
    setText(kColSize, line.get(core::internal::kInternalText2));
    setText(kColSide, line.get(core::internal::kInternalText1));
    setText(kColFooter, line.get(core::internal::kInternalText3));
    cells_[kColPrice] = CellValue::ofNumber(0, kPriceDecimals);
}

}  // namespace rotulano::orders
