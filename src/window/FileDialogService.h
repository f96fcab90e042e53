#pragma once

#include <QString>

namespace rotulano::window {

// The open-file dialog. The program shows QFileDialog; tests choose or cancel.
class FileDialogService {
  public:
    virtual ~FileDialogService() = default;
    // Shows the dialog; on confirmation `path` receives the chosen file and the result is
    // true; on cancel `path` is left blank and the result is false.
    virtual bool chooseFile(QString& path, const QString& title, const QString& filter) = 0;
};

}  // namespace rotulano::window
