#include "window/QtMessageBox.h"

#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <algorithm>
#include <vector>

#include "core/MessageRequest.h"
#include "window/TitleWidth.h"
#include "window/TrailingBlanks.h"

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

// The status meaning is the box's title: the box is made at least as wide as the title
// needs, so that the window manager does not cut it short.
void keepTitleWhole(QMessageBox& box, const QString& title) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        return;
    }
    grid->addItem(new QSpacerItem(widthForTitle(box, title), 0, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

int QtMessageBox::show(const QString& text, const QString& title, int style) {
    // Style 4 (Windows' MB_YESNO) asks Yes or No and answers 6 or 7, as Windows does.
    const bool yesNo = (style & 0x0F) == core::kStyleYesNo;
    QMessageBox box(iconOf(style), withoutTrailingBlanks(title), withoutTrailingBlanks(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent_);
    // Texts are file names, statuses and order data: never markup.
    box.setTextFormat(Qt::PlainText);
    keepTitleWhole(box, withoutTrailingBlanks(title));
    const int pressed = runBox(box);
    if (yesNo) {
        return pressed == QMessageBox::Yes ? core::kAnswerYes : core::kAnswerNo;
    }
    return core::kAnswerOk;
}

int QtMessageBox::choose(const QString& text, const QString& title, int style,
                         const QStringList& buttons) {
    QMessageBox box(iconOf(style), withoutTrailingBlanks(title), withoutTrailingBlanks(text),
                    QMessageBox::NoButton, parent_);
    box.setTextFormat(Qt::PlainText);
    keepTitleWhole(box, withoutTrailingBlanks(title));
    std::vector<QAbstractButton*> added;
    for (int i = 0; i < buttons.size(); ++i) {
        const bool last = i + 1 == buttons.size();
        added.push_back(
            box.addButton(buttons[i], last ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    }
    if (!added.empty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(added.front()));
        box.setEscapeButton(added.back());
    }
    runBox(box);
    const auto pressed = std::find(added.begin(), added.end(), box.clickedButton());
    return pressed == added.end() ? static_cast<int>(buttons.size()) - 1
                                  : static_cast<int>(pressed - added.begin());
}

// A spin box from 1 to the maximum; Enter takes the number shown.
bool QtMessageBox::askCount(const QString& text, const QString& title, long long maximum,
                            long long& count) {
    bool ok = false;
    const int chosen =
        QInputDialog::getInt(parent_, withoutTrailingBlanks(title), text, static_cast<int>(count),
                             1, static_cast<int>(maximum), 1, &ok);
    if (ok) {
        count = chosen;
    }
    return ok;
}

// A box shown from inside another box's loop is the open one until it closes.
int QtMessageBox::runBox(QMessageBox& box) {
    const QPointer<QMessageBox> outer = open_;
    open_ = &box;
    const int result = box.exec();
    open_ = outer;
    return result;
}

// reject() ends exec() with no button clicked: show() then answers No (or OK) and choose()
// the last button.
void QtMessageBox::closeOpenBox() {
    if (open_ != nullptr) {
        open_->reject();
    }
}

}  // namespace rotulano::window
