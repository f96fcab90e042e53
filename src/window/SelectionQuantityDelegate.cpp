#include "window/SelectionQuantityDelegate.h"

#include <QSpinBox>
#include <QTableWidget>

#include "orders/ItemTable.h"
#include "window/ItemGrid.h"

namespace rotulano::window {

namespace {

// Grid rows are numbered from 1 as the handlers number them.
int gridRow(const QModelIndex& index) {
    return index.row() + 1;
}

}  // namespace

SelectionQuantityDelegate::SelectionQuantityDelegate(QTableWidget* grid)
    : QStyledItemDelegate(grid), grid_(grid) {}

// A spin box takes digits only: no sign, no decimals, nothing above six digits.
QWidget* SelectionQuantityDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                                 const QModelIndex&) const {
    auto* editor = new QSpinBox(parent);
    editor->setRange(0, kLargestQuantity);
    editor->setButtonSymbols(QAbstractSpinBox::NoButtons);
    editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    editor->setFrame(false);
    return editor;
}

void SelectionQuantityDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* spinBox = static_cast<QSpinBox*>(editor);
    const long long quantity = ItemGrid(grid_).integerValue(gridRow(index), orders::kColQuantity);
    spinBox->setValue(static_cast<int>(quantity > kLargestQuantity ? kLargestQuantity : quantity));
    spinBox->selectAll();
}

void SelectionQuantityDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                             const QModelIndex& index) const {
    auto* spinBox = static_cast<QSpinBox*>(editor);
    spinBox->interpretText();
    ItemGrid(grid_).setNumber(gridRow(index), orders::kColQuantity, spinBox->value());
}

}  // namespace rotulano::window
