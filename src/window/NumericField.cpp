#include "window/NumericField.h"

namespace rotulano::window {

namespace {
constexpr int kDigits = 2;
}

NumericField::NumericField(QWidget* parent) : QSpinBox(parent) {
    setRange(0, 99);
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setAlignment(Qt::AlignRight);
    // The value changes when the operator has typed it, not at every digit on the way:
    // typing "07" over a stored 07 is no change.
    setKeyboardTracking(false);
    connect(this, &QAbstractSpinBox::editingFinished, this, &NumericField::endEdit);
    // A value set while the operator is elsewhere (the settings shown again) is where the
    // next edit begins.
    connect(this, &QSpinBox::valueChanged, this, [this](int value) {
        if (!hasFocus()) {
            valueBeforeEdit_ = value;
        }
    });
}

QString NumericField::textFromValue(int value) const {
    return QStringLiteral("%1").arg(value, kDigits, 10, QLatin1Char('0'));
}

void NumericField::focusInEvent(QFocusEvent* event) {
    valueBeforeEdit_ = value();
    QSpinBox::focusInEvent(event);
}

void NumericField::endEdit() {
    if (value() == valueBeforeEdit_) {
        return;
    }
    valueBeforeEdit_ = value();
    emit valueEdited();
}

}  // namespace rotulano::window
