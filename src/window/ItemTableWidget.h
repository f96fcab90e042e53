#pragma once

#include <QTableWidget>

namespace rotulano::window {

// The grid TAB-PEDIDO on screen. Besides the click on a cell it raises spacePressed when
// Space is pressed in the grid itself (never while a quantity is being typed: the
// editor then has the key), and tells whether the last click on a cell was made with
// Shift held, which ticks a range of rows.
class ItemTableWidget : public QTableWidget {
    Q_OBJECT

  public:
    ItemTableWidget(int rows, int columns, QWidget* parent = nullptr);

    bool lastClickExtends() const { return lastClickExtends_; }

  signals:
    void spacePressed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    bool lastClickExtends_ = false;
};

}  // namespace rotulano::window
