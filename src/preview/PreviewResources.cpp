#include "preview/PreviewResources.h"

#include <QDir>
#include <QFile>

namespace rotulano::preview {

namespace {

// Logo files are a few kilobytes; anything far larger is not a logo.
constexpr qint64 kLargestLogoFile = 16 * 1024 * 1024;

std::string readSmallFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestLogoFile) {
        return {};
    }
    return file.readAll().toStdString();
}

}  // namespace

PreviewResources PreviewResources::fromDirectory(const QString& directory) {
    const QDir dir(directory);
    PreviewResources resources;
    resources.zplGraphicFile = readSmallFile(dir.filePath(QStringLiteral("LOGOVRDL.GRF")));
    resources.dplBitmapFile = readSmallFile(dir.filePath(QStringLiteral("LOGOVRDL.BMP")));
    return resources;
}

}  // namespace rotulano::preview
