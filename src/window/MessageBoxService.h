#pragma once

#include <QString>
#include <QStringList>

namespace rotulano::window {

// The modal message box of the main window. The program shows QMessageBox; tests answer
// the box themselves and record what it showed.
class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    // Shows `text` under `title` with a Windows message-box style (0x10 error, 0x30
    // warning, 0x40 information, one OK button; 0x04 added: Yes and No buttons); returns
    // the button pressed (1 = OK, 6 = Yes, 7 = No).
    virtual int show(const QString& text, const QString& title, int style) = 0;
    // Shows `text` under `title` with the style's icon and one button per caption of
    // `buttons`, in order; returns the index of the button pressed. The last button is
    // the one that gives up: a box closed without a choice, or one that cannot be shown,
    // answers it.
    virtual int choose(const QString& text, const QString& title, int style,
                       const QStringList& buttons) {
        (void)text, (void)title, (void)style;
        return static_cast<int>(buttons.size()) - 1;
    }
    // Asks how many (from 1 to `maximum`, `count` offered first) under `title`; true with
    // the number in `count`, false when the operator gives up or the box cannot be shown.
    virtual bool askCount(const QString& text, const QString& title, long long maximum,
                          long long& count) {
        (void)text, (void)title, (void)maximum, (void)count;
        return false;
    }
    // Closes the box now open, if any, as if the operator had closed it without a choice
    // (No, or the last button): a question whose subject has gone, such as whether to
    // cancel a job that has just ended, must not wait for an answer that changes nothing.
    virtual void closeOpenBox() {}
};

}  // namespace rotulano::window
