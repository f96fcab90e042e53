#pragma once

#include <QSpinBox>

namespace rotulano::window {

// A two-digit numeric field of the form (the margins, picture "9(02)"): shows its value
// with two digits ("00", "07") and raises a second change notification, valueEdited,
// when the operator ends an edit that left a value other than the one the field held
// when the edit began. Leaving the field without changing it raises nothing, so that a
// mere move of the focus never reads as an unsaved change.
class NumericField : public QSpinBox {
    Q_OBJECT

  public:
    explicit NumericField(QWidget* parent = nullptr);

  signals:
    void valueEdited();

  protected:
    QString textFromValue(int value) const override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    void endEdit();

    int valueBeforeEdit_ = 0;
};

}  // namespace rotulano::window
