#pragma once

#include <QTableView>

#include "window/ItemTableModel.h"

namespace rotulano::window {

// The grid TAB-PEDIDO on screen, showing the items of its own ItemTableModel. A click on
// a cell raises cellClicked with the row and column counted from 1, as the handlers count
// them, and whether Shift was held, which ticks a range of rows. Space pressed in the
// grid itself raises spacePressed (never while a quantity is being typed: the editor then
// has the key).
class ItemTableView : public QTableView {
    Q_OBJECT

  public:
    explicit ItemTableView(QWidget* parent = nullptr);

    ItemTableModel* items() const { return items_; }
    int rowCount() const { return items_->itemCount(); }
    int columnCount() const { return items_->columnCount(); }

    // Rows one line of text high and every shown column as wide as its heading and its
    // cells ("Sel" narrow, "Descrição" at least its 30 characters wide). The operator can
    // still widen any column.
    void fitToContent();

  signals:
    void cellClicked(int row, int column, bool extends);
    void spacePressed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    ItemTableModel* items_;
    bool lastClickExtends_ = false;
};

}  // namespace rotulano::window
