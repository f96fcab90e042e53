#pragma once

#include <QString>

namespace rotulano::window {

// The file dialogs. The program shows QFileDialog; tests choose or cancel.
class FileDialogService {
  public:
    virtual ~FileDialogService() = default;
    // Shows the dialog; on confirmation `path` receives the chosen file and the result is
    // true; on cancel `path` is left blank and the result is false.
    virtual bool chooseFile(QString& path, const QString& title, const QString& filter) = 0;
    // The save-file dialog: `path` holds the name suggested when it opens. On confirmation
    // `path` receives the file to write and the result is true; on cancel `path` is left
    // blank and the result is false (as here, where no dialog can be shown).
    virtual bool chooseSaveFile(QString& path, const QString& title, const QString& filter) {
        (void)title, (void)filter;
        path.clear();
        return false;
    }
};

}  // namespace rotulano::window
