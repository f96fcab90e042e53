#pragma once

#include <array>
#include <string>

#include "orders/CellValue.h"
#include "orders/ItemTable.h"
#include "orders/LabelTypeView.h"

namespace rotulano::orders {

// The grid row of one item line: its 300 bytes for the hidden column 1, and what columns
// 2 to 11 show, laid out by the line's label type: standard items (codes "1" to "8" and
// any code outside the catalogue), packs ("9") and internal items ("A").
class ItemRow {
  public:
    // `itemNumber` is the row number N (from 1); `languageIndex` the selection of
    // W-PRMLINGUA, which chooses the language of the label-type name.
    ItemRow(const std::string& line, int itemNumber, int languageIndex);

    const std::string& record() const { return record_; }

    // The value of a design column, 2 to 11 (column 2, "Sel", starts blank).
    const CellValue& cell(int column) const;

    // The label type of the line: its grid text is column 6, its colour that cell's.
    const LabelTypeView& labelType() const { return labelType_; }

  private:
    void fillStandard();
    void fillPack();
    void fillInternal();
    void setText(int column, const std::string& bytes);

    std::string record_;
    LabelTypeView labelType_;
    std::array<CellValue, kColumnCount + 1> cells_;
};

}  // namespace rotulano::orders
