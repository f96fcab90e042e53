#include "window/DropDownList.h"

namespace rotulano::window {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
    // QComboBox reports the operator's choice (mouse, keyboard or wheel) as activated, also
    // when the same item is chosen again; program changes come through setSelection.
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit selectionChanged(index + 1); });
}

void DropDownList::setSelection(int position) {
    setCurrentIndex(position >= 1 && position <= count() ? position - 1 : -1);
    emit selectionChanged(selection());
}

}  // namespace rotulano::window
