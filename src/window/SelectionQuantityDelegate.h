#pragma once

#include <QStyledItemDelegate>

namespace rotulano::window {

// The editor of the "Quant." cells of TAB-PEDIDO: the operator types how many labels an
// item takes, a whole number from 1 to 999999 (a 0 typed is refused by the model). The number goes
// to the item model as a value, which the grid shows through the column's picture "ZZZ.ZZZ"; the
// selection summary and the print job take the quantity from the model.
class SelectionQuantityDelegate : public QStyledItemDelegate {
  public:
    explicit SelectionQuantityDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

}  // namespace rotulano::window
