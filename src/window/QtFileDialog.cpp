#include "window/QtFileDialog.h"

#include <QDir>
#include <QFileDialog>

namespace rotulano::window {

bool QtFileDialog::chooseFile(QString& path, const QString& title, const QString& filter) {
    path = QFileDialog::getOpenFileName(parent_, title, QDir::currentPath(), filter);
    return !path.isEmpty();
}

}  // namespace rotulano::window
