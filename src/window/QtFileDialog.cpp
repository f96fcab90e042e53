#include "window/QtFileDialog.h"

#include <QDir>
#include <QFileDialog>

namespace rotulano::window {

bool QtFileDialog::chooseFile(QString& path, const QString& title, const QString& filter) {
    // Qt's own dialog on every system, so that its texts follow the interface language.
    path = QFileDialog::getOpenFileName(parent_, title, QDir::currentPath(), filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
    return !path.isEmpty();
}

bool QtFileDialog::chooseSaveFile(QString& path, const QString& title, const QString& filter) {
    const QString suggested = QDir::current().filePath(path);
    path = QFileDialog::getSaveFileName(parent_, title, suggested, filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
    return !path.isEmpty();
}

}  // namespace rotulano::window
