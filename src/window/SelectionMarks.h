#pragma once

#include <QString>
#include <string>
#include <vector>

#include "orders/LabelTypeView.h"
#include "printing/PrintEngine.h"
#include "window/Controls.h"
#include "window/ItemGrid.h"

// The marks of the "Sel" column and the quantities of the item grid, as the ticking, the
// selection summary and the print job read them.
namespace rotulano::window {

// "X": ticked for printing. "Ø" (the single byte 0xD8): printed, cannot be ticked again.
QString tickedMark();
QString printedMark();

// True when the row's "Sel" cell is exactly "X" (trailing blanks ignored).
bool isTicked(const ItemGrid& grid, int row);
// True when the row's "Sel" cell holds the printed mark (trailing blanks ignored).
bool isPrinted(const ItemGrid& grid, int row);

// Ticks a row ("X" and every cell highlighted) or unticks it (blank, no highlight). A
// printed row never changes.
void setTicked(ItemGrid& grid, int row, bool ticked);

// A click on "Sel" (or Space on the row): ticks the row, or unticks a ticked one.
void toggleTick(ItemGrid& grid, int row);

// Ticks every row from `from` to `to`, in either order; printed rows are left alone.
void tickRange(ItemGrid& grid, int from, int to);

// The number of labels of a row: the integer part of its "Quant." cell, without its sign,
// kept to its 6 low-order digits.
long long rowQuantity(const ItemGrid& grid, int row);

// The ticked rows from the top, as the print job takes them: row number, order line and
// "Quant.". Where the next job starts, what the selection summary adds up and what the
// label preview shows.
std::vector<printing::JobRow> tickedRows(const ItemGrid& grid);

// The labels of `rows`, together.
long long labelsOf(const std::vector<printing::JobRow>& rows);

// The interface language chosen in W-PRMLINGUA (1 Português), which names label types.
int interfaceLanguage(const Controls& controls);

// ROTINA-MONTA-ETQ on an order line, in the interface language.
orders::LabelTypeView rowLabelType(const Controls& controls, const std::string& orderLine);

// The "Próxima Impressão" box: the label type's grid text in W-ETIQUETA, its picture in
// CmImage2 and the quantity in W-QTDIMP.
void showNextPrint(const Controls& controls, const orders::LabelTypeView& view, long long quantity);

// Empties the "Próxima Impressão" box and the total to print.
void clearNextPrint(const Controls& controls);

// The total to print in W-DETQTD, through its picture "ZZZ.ZZZ"; a total above 999.999
// is shown whole, with one more thousands point, rather than losing its high digits.
void showTotalToPrint(const Controls& controls, long long total);

}  // namespace rotulano::window
