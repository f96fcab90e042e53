#pragma once

#include <QLabel>
#include <QString>
#include <string>

namespace rotulano::window {

// A read-only display field of the form: a caption or a value shown through its edit
// picture ("ZZZ.ZZZ", "99/99/9999", "X(30)", ...), always as plain text. Setting its text always
// raises textChanged, even when the text is the one already shown: writing the same order path into
// W-NOME-COMPLETO again must load the order again.
class DisplayField : public QLabel {
    Q_OBJECT

  public:
    explicit DisplayField(const QString& picture = QString(), QWidget* parent = nullptr);

    // The edit picture given by the form design; empty for plain captions.
    const QString& picture() const { return picture_; }

    // Hides QLabel::setText: every call raises textChanged.
    void setText(const QString& text);

    // Shows `value`, with `decimals` implied decimal places, through the edit picture.
    void setNumber(long long value, int decimals = 0);

    // Shows a string of digits (a date, a CNPJ) through the edit picture.
    void setDigits(const std::string& digits);

  signals:
    void textChanged(const QString& text);

  private:
    QString picture_;
};

}  // namespace rotulano::window
