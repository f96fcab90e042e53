#include "window/SelectionQuantityDelegate.h"

#include <QSpinBox>

#include "window/ItemTableModel.h"

namespace rotulano::window {

namespace {
constexpr int kLargestQuantity = static_cast<int>(ItemTableModel::kLargestQuantity);
}

SelectionQuantityDelegate::SelectionQuantityDelegate(QObject* parent)
    : QStyledItemDelegate(parent) {}

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
    const long long quantity = index.data(Qt::EditRole).toLongLong();
    spinBox->setValue(static_cast<int>(quantity > kLargestQuantity ? kLargestQuantity : quantity));
    spinBox->selectAll();
}

void SelectionQuantityDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                             const QModelIndex& index) const {
    auto* spinBox = static_cast<QSpinBox*>(editor);
    spinBox->interpretText();
    model->setData(index, QVariant::fromValue<qlonglong>(spinBox->value()), Qt::EditRole);
}

}  // namespace rotulano::window
