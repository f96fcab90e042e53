#include "window/Pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#ifdef ROTULANO_HAVE_SVG
#include <QSvgRenderer>
#endif

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

#ifdef ROTULANO_HAVE_SVG
// The picture drawn from its SVG at the size asked for.
QPixmap drawPicture(const QString& name, const QSize& size) {
    QSvgRenderer renderer(resourcePath(name));
    if (!renderer.isValid()) {
        return QPixmap();
    }
    QPixmap pixmap(renderer.defaultSize().scaled(size, Qt::KeepAspectRatio));
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    return pixmap;
}
#else
// Without Qt Svg (Windows) the build drew each picture to PNG at 1x and 2x: the 2x drawing is
// scaled down where the picture is shown larger than its 1x drawing, so it never looks blurred.
QPixmap drawPicture(const QString& name, const QSize& size) {
    const QPixmap small(resourcePath(name));
    if (small.isNull()) {
        return QPixmap();
    }
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const QSize wanted = small.size().scaled(size, Qt::KeepAspectRatio);
    const bool larger =
        wanted.width() * ratio > small.width() || wanted.height() * ratio > small.height();
    const QPixmap large(QStringLiteral(":/pictures-2x/") + trimmedName(name));
    const QPixmap& source = larger && !large.isNull() ? large : small;
    return source.scaled(wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
#endif

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
    pixmap = drawPicture(name, size);
    if (pixmap.isNull()) {
        return pixmap;
    }
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
