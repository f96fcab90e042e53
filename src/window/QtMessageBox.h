#pragma once

#include <QPointer>

#include "window/MessageBoxService.h"

class QMessageBox;
class QWidget;

namespace rotulano::window {

// The program's modal message box: a QMessageBox over the main window with the icon of the
// style (0x10 error, 0x30 warning, 0x40 information) and one OK button.
class QtMessageBox : public MessageBoxService {
  public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}

    // The window the boxes show over; set once the main window exists.
    void setParent(QWidget* parent) { parent_ = parent; }

    int show(const QString& text, const QString& title, int style) override;
    int choose(const QString& text, const QString& title, int style,
               const QStringList& buttons) override;
    bool askCount(const QString& text, const QString& title, long long maximum,
                  long long& count) override;
    void closeOpenBox() override;

  private:
    int runBox(QMessageBox& box);

    QWidget* parent_;
    QPointer<QMessageBox> open_;  // the box shown now, while exec() runs
};

}  // namespace rotulano::window
