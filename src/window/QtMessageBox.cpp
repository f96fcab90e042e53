#include "window/QtMessageBox.h"

#include <QMessageBox>

#include "core/MessageRequest.h"

namespace rotulano::window {

namespace {

QMessageBox::Icon iconOf(int style) {
    switch (style & 0xF0) {
        case core::kStyleError:
            return QMessageBox::Critical;
        case 0x20:
            return QMessageBox::Question;
        case core::kStyleWarning:
            return QMessageBox::Warning;
        case core::kStyleInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

QString withoutTrailingBlanks(QString text) {
    while (text.endsWith(QLatin1Char(' '))) {
        text.chop(1);
    }
    return text;
}

}  // namespace

int QtMessageBox::show(const QString& text, const QString& title, int style) {
    QMessageBox box(iconOf(style), withoutTrailingBlanks(title), withoutTrailingBlanks(text),
                    QMessageBox::Ok, parent_);
    box.exec();
    return core::kAnswerOk;
}

}  // namespace rotulano::window
