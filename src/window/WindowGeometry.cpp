#include "window/WindowGeometry.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <iostream>

#include "core/QtOwnFiles.h"
#include "core/ShownBytes.h"
#include "core/SystemPath.h"

namespace rotulano::window {

namespace {
const QString kKey = QStringLiteral("CP21000/geometria");
}

QString WindowGeometry::defaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/rotulano-janela.ini");
}

// QSettings opens the file waiting and reads it whole: a named pipe or a huge file put
// in its place would keep the window from ever opening.
bool WindowGeometry::fileIsSafe(bool say) const {
    const std::string path = core::pathFromQt(file_);
    const std::string cause = core::unsafeQtFile(path);
    if (!cause.empty() && say) {
        std::cerr << "rotulano: arquivo do tamanho e posição da janela " << core::shownBytes(path)
                  << ' ' << cause << ": ignorado\n";
    }
    return cause.empty();
}

bool WindowGeometry::restore(QWidget* window) const {
    if (!fileIsSafe(true)) {
        return false;
    }
    const QByteArray kept = QSettings(file_, QSettings::IniFormat).value(kKey).toByteArray();
    return !kept.isEmpty() && window->restoreGeometry(kept);
}

void WindowGeometry::save(const QWidget* window) const {
    if (!fileIsSafe(false)) {
        return;
    }
    QSettings settings(file_, QSettings::IniFormat);
    settings.setValue(kKey, window->saveGeometry());
}

}  // namespace rotulano::window
