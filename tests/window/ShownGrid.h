#pragma once

#include <QBrush>
#include <QColor>
#include <QRect>
#include <QString>

class QTableView;

namespace rotulano::test {

// What a grid shows, read from its view's model the way the view paints it: text,
// background, highlight and flags of each cell. Rows and columns count from 1, as the
// handlers count them; a cell outside the grid reads as blank.
class ShownGrid {
  public:
    explicit ShownGrid(QTableView* view) : view_(view) {}

    int rowCount() const;
    QString text(int row, int column) const;
    // The cell's background colour; invalid when the cell paints none of its own.
    QColor background(int row, int column) const;
    // The cell shows in the view's highlight colours (a ticked or printed row).
    bool isHighlighted(int row, int column) const;
    Qt::ItemFlags flags(int row, int column) const;
    // Where the cell is in the view's viewport, scrolled into sight first.
    QRect cellRect(int row, int column) const;

  private:
    QVariant data(int row, int column, int role) const;

    QTableView* view_;
};

}  // namespace rotulano::test
