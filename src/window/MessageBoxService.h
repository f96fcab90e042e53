#pragma once

#include <QString>

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
};

}  // namespace rotulano::window
