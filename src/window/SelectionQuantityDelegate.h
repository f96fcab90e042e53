#pragma once

#include <QStyledItemDelegate>

class QTableWidget;

namespace rotulano::window {

// The editor of the "Quant." cells of TAB-PEDIDO: the operator types how many labels an
// item takes, a whole number from 0 to 999999. The cell keeps the number as its value
// and shows it through the column's picture "ZZZ.ZZZ"; the selection summary and the
// print job take the quantity from there.
class SelectionQuantityDelegate : public QStyledItemDelegate {
  public:
    static constexpr int kLargestQuantity = 999999;

    explicit SelectionQuantityDelegate(QTableWidget* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  private:
    QTableWidget* grid_;
};

}  // namespace rotulano::window
