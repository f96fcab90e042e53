#include "window/DisplayField.h"

#include "core/Picture.h"

namespace rotulano::window {

DisplayField::DisplayField(const QString& picture, QWidget* parent)
    : QLabel(parent), picture_(picture) {
    // Order data, file names and statuses are shown as they are: a supplier called
    // "C&A <A>" or a folder called "<b>pedidos" is text, never markup.
    setTextFormat(Qt::PlainText);
}

void DisplayField::setText(const QString& text) {
    QLabel::setText(text);
    emit textChanged(text);
}

void DisplayField::setNumber(long long value, int decimals) {
    setText(QString::fromLatin1(core::formatNumber(picture_.toStdString(), value, decimals)));
}

void DisplayField::setDigits(const std::string& digits) {
    setText(QString::fromLatin1(core::formatDigits(picture_.toStdString(), digits)));
}

}  // namespace rotulano::window
