#include "preview/PreviewResources.h"

#include <QFile>

#include "core/LogoFile.h"

namespace rotulano::preview {

namespace {

// A logo file that is not a regular file of logo size stays empty.
std::string readLogo(const std::string& directory, const char* name) {
    std::string bytes;
    core::readLogoFile(core::logoFilePath(directory, name), bytes);
    return bytes;
}

}  // namespace

PreviewResources PreviewResources::fromDirectory(const QString& directory) {
    return fromDirectoryBytes(QFile::encodeName(directory).toStdString());
}

PreviewResources PreviewResources::fromDirectoryBytes(const std::string& directory) {
    PreviewResources resources;
    resources.zplGraphicFile = readLogo(directory, "LOGOVRDL.GRF");
    resources.dplBitmapFile = readLogo(directory, "LOGOVRDL.BMP");
    return resources;
}

}  // namespace rotulano::preview
