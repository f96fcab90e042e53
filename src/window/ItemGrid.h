#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <string>

#include "orders/CellValue.h"

class QTableWidget;
class QTableWidgetItem;

namespace rotulano::window {

// The grid's colour of a Windows colour value (red in the low byte, blue in the high).
QColor colourFromWindows(std::uint32_t windowsColour);

// Cell helpers of the item grid TAB-PEDIDO, shared by the loader, the ticking and the
// print job. Rows and columns are numbered as in the form design: row 1 is the first
// item (row 0 is the heading row, the table's horizontal header) and column 1 the hidden
// column that holds the row's order line; column numbers are orders::ItemColumn values.
// A cell that was never written reads as blank text and the number zero.
class ItemGrid {
  public:
    explicit ItemGrid(QTableWidget* table) : table_(table) {}

    int rowCount() const;
    // Sets the number of item rows; 0 empties the grid.
    void setRowCount(int rows);
    int columnCount() const;

    // Rows one line of text high and every shown column as wide as its heading and its
    // cells ("Sel" narrow, "Descrição" at least its 30 characters wide). The operator can
    // still widen any column.
    void fitToContent();

    // Column 1: the order line's 300 bytes, kept one character per byte so that they
    // read back unchanged (Latin-1 letters and the 0xD8 mark included).
    void setRecord(int row, const std::string& line);
    std::string record(int row) const;

    // A cell's text, shown as it is.
    void setText(int row, int column, const QString& text);
    QString text(int row, int column) const;

    // A cell's number: `units` with `decimals` implied decimal places (19,90 is 1990
    // with 2). It is shown through the column's picture ("ZZZ.ZZZ", "ZZZZ,ZZ", ...) and
    // kept as a value beside the shown text.
    void setNumber(int row, int column, long long units, int decimals = 0);
    orders::CellValue number(int row, int column) const;
    // The integer part of the cell's number, without its sign (quantities).
    long long integerValue(int row, int column) const;

    // Writes a text or a number, as the value says.
    void setCell(int row, int column, const orders::CellValue& value);

    // The cell's own background colour; a highlighted cell keeps it for when the
    // highlight is cleared.
    void setBackground(int row, int column, const QColor& colour);
    QColor background(int row, int column) const;

    // Highlights every cell of the row (a ticked row), or clears the highlight.
    void setRowHighlight(int row, bool highlighted);
    bool isHighlighted(int row, int column) const;

  private:
    QTableWidgetItem* cell(int row, int column);
    const QTableWidgetItem* cellAt(int row, int column) const;
    void paintBackground(QTableWidgetItem* item) const;

    QTableWidget* table_;
};

}  // namespace rotulano::window
