#include "window/SelectionMarks.h"

#include "core/OrderLine.h"
#include "core/Picture.h"
#include "orders/ItemTable.h"
#include "orders/LabelTypeCatalogue.h"
#include "window/DisplayField.h"
#include "window/DropDownList.h"
#include "window/Pictures.h"

namespace rotulano::window {

namespace {

constexpr char kPrintedByte = '\xD8';
constexpr long long kQuantityModulus = 1000000;  // the 6 digits of a quantity
constexpr long long kLargestShortTotal = 999999;
const char* const kLongTotalPicture = "Z.ZZZ.ZZZ.ZZZ";

QString withoutTrailingBlanks(QString text) {
    while (text.endsWith(u' ')) {
        text.chop(1);
    }
    return text;
}

}  // namespace

QString tickedMark() {
    return QStringLiteral("X");
}

QString printedMark() {
    return QString::fromLatin1(&kPrintedByte, 1);
}

bool isTicked(const ItemGrid& grid, int row) {
    return withoutTrailingBlanks(grid.text(row, orders::kColSel)) == tickedMark();
}

bool isPrinted(const ItemGrid& grid, int row) {
    return withoutTrailingBlanks(grid.text(row, orders::kColSel)) == printedMark();
}

void setTicked(ItemGrid& grid, int row, bool ticked) {
    if (isPrinted(grid, row)) {
        return;
    }
    grid.setText(row, orders::kColSel, ticked ? tickedMark() : QString());
    grid.setRowHighlight(row, ticked);
}

void toggleTick(ItemGrid& grid, int row) {
    setTicked(grid, row, !isTicked(grid, row));
}

void tickRange(ItemGrid& grid, int from, int to) {
    const int first = from < to ? from : to;
    const int last = from < to ? to : from;
    for (int row = first; row <= last; ++row) {
        setTicked(grid, row, true);
    }
}

long long rowQuantity(const ItemGrid& grid, int row) {
    return grid.integerValue(row, orders::kColQuantity) % kQuantityModulus;
}

int interfaceLanguage(const Controls& controls) {
    return controls.wPrmlingua == nullptr ? 0 : controls.wPrmlingua->selection();
}

orders::LabelTypeView rowLabelType(const Controls& controls, const std::string& orderLine) {
    return orders::rotinaMontaEtq(core::OrderLine(orderLine), interfaceLanguage(controls));
}

void showNextPrint(const Controls& controls, const orders::LabelTypeView& view,
                   long long quantity) {
    controls.wEtiqueta->setText(view.gridText);
    showPicture(controls.cmImage2, view.pictureName);
    controls.wQtdimp->setNumber(quantity);
}

void clearNextPrint(const Controls& controls) {
    controls.wEtiqueta->setText(QString());
    clearPicture(controls.cmImage2);
    controls.wDetqtd->setNumber(0);
    controls.wQtdimp->setNumber(0);
}

void showTotalToPrint(const Controls& controls, long long total) {
    if (total <= kLargestShortTotal) {
        controls.wDetqtd->setNumber(total);
        return;
    }
    controls.wDetqtd->setText(QString::fromLatin1(core::formatNumber(kLongTotalPicture, total)));
}

std::vector<printing::JobRow> tickedRows(const ItemGrid& grid) {
    std::vector<printing::JobRow> rows;
    const int rowCount = grid.rowCount();
    for (int row = 1; row <= rowCount; ++row) {
        if (isTicked(grid, row)) {
            rows.push_back({row, grid.record(row), rowQuantity(grid, row)});
        }
    }
    return rows;
}

long long labelsOf(const std::vector<printing::JobRow>& rows) {
    long long total = 0;
    for (const printing::JobRow& row : rows) {
        total += row.quantity;
    }
    return total;
}

}  // namespace rotulano::window
