#include "window/QtMessageBox.h"

#include <QMessageBox>

#include "core/MessageRequest.h"

namespace rotulano::window {

namespace {

QMessageBox::Icon iconOf(int style) {
    switch (style & 0xF0) {
        case core::kStyleError:
            return QMessageBox::Critical;
        case core::kStyleQuestion:
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
    // Style 4 (Windows' MB_YESNO) asks Yes or No and answers 6 or 7, as Windows does.
    const bool yesNo = (style & 0x0F) == core::kStyleYesNo;
    QMessageBox box(iconOf(style), withoutTrailingBlanks(title), withoutTrailingBlanks(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent_);
    const int pressed = box.exec();
    if (yesNo) {
        return pressed == QMessageBox::Yes ? core::kAnswerYes : core::kAnswerNo;
    }
    return core::kAnswerOk;
}

}  // namespace rotulano::window
