#include "window/WindowGeometry.h"

#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace rotulano::window {

namespace {
const QString kKey = QStringLiteral("CP21000/geometria");
}

QString WindowGeometry::defaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/rotulano-janela.ini");
}

bool WindowGeometry::restore(QWidget* window) const {
    const QByteArray kept = QSettings(file_, QSettings::IniFormat).value(kKey).toByteArray();
    return !kept.isEmpty() && window->restoreGeometry(kept);
}

void WindowGeometry::save(const QWidget* window) const {
    QSettings settings(file_, QSettings::IniFormat);
    settings.setValue(kKey, window->saveGeometry());
}

}  // namespace rotulano::window
