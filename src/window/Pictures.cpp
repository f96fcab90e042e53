#include "window/Pictures.h"

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include "window/TrailingBlanks.h"

// Resources compiled into a static library are registered by hand; the macro must be
// used outside any namespace.
static void registerRotulanoResources() {
    Q_INIT_RESOURCE(rotulano);
}

namespace rotulano::window {

namespace {

constexpr const char* kPictureProperty = "pictureName";

QString resourcePath(const QString& name) {
    const QString trimmed = withoutTrailingBlanks(name);
    return trimmed.isEmpty() ? QString() : QStringLiteral(":/pictures/") + trimmed;
}

QString trimmedName(const QString& name) {
    return resourcePath(name).mid(QStringLiteral(":/pictures/").size());
}

}  // namespace

void initWindowResources() {
    static const bool registered = [] {
        registerRotulanoResources();
        return true;
    }();
    (void)registered;
}

bool hasPicture(const QString& name) {
    initWindowResources();
    const QString path = resourcePath(name);
    return !path.isEmpty() && QFile::exists(path);
}

QPixmap loadPicture(const QString& name, const QSize& size) {
    if (!hasPicture(name) || size.isEmpty()) {
        return QPixmap();
    }
    // Drawing a picture is slow and the print job shows one for every printed row: each
    // picture is drawn once per size.
    const QString key = QStringLiteral("rotulano-picture:%1:%2x%3")
                            .arg(trimmedName(name))
                            .arg(size.width())
                            .arg(size.height());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) {
        return pixmap;
    }
    QSvgRenderer renderer(resourcePath(name));
    if (!renderer.isValid()) {
        return QPixmap();
    }
    pixmap = QPixmap(renderer.defaultSize().scaled(size, Qt::KeepAspectRatio));
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void showPicture(QLabel* label, const QString& name) {
    const QPixmap pixmap = loadPicture(name, label->size());
    if (pixmap.isNull()) {
        clearPicture(label);
        return;
    }
    label->setPixmap(pixmap);
    label->setProperty(kPictureProperty, trimmedName(name));
}

void clearPicture(QLabel* label) {
    label->clear();
    label->setProperty(kPictureProperty, QString());
}

QString pictureName(const QLabel* label) {
    return label->property(kPictureProperty).toString();
}

}  // namespace rotulano::window
