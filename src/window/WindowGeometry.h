#pragma once

#include <QString>

class QWidget;

namespace rotulano::window {

// The main window's size and place, kept between runs in a small file of their own in
// the user's configuration folder (the test folder of QStandardPaths while tests run).
// The settings record CD21PRM.DAT is not touched. A file that is not a regular file of a
// few lines (a named pipe, a file of gigabytes) is left alone, with a line on the error
// output at the start: the window opens at its design size.
class WindowGeometry {
  public:
    explicit WindowGeometry(QString file) : file_(std::move(file)) {}

    // The file in the user's configuration folder.
    static QString defaultFile();

    // Gives `window` the size and place kept in the file; a place on a screen that is
    // no longer there is brought back into view. False when the file keeps none.
    bool restore(QWidget* window) const;

    // Keeps the size and place of `window` in the file.
    void save(const QWidget* window) const;

    const QString& file() const { return file_; }

  private:
    // False when the file may not be handed to QSettings; `say` names it on stderr.
    bool fileIsSafe(bool say) const;

    QString file_;
};

}  // namespace rotulano::window
