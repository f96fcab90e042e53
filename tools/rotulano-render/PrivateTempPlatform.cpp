#include "rotulano-render/PrivateTempPlatform.h"

#include <QDir>
#include <QFile>

namespace rotulano::render {

std::string PrivateTempPlatform::tempDir() {
    if (!dir_) {
        dir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                               QStringLiteral("/rotulano-render-XXXXXX"));
    }
    if (!dir_->isValid()) {
        // No room for a directory of its own: the shared one still serves a lone run.
        return SystemPlatform::tempDir();
    }
    return QFile::encodeName(QDir::toNativeSeparators(dir_->path() + QLatin1Char('/')))
        .toStdString();
}

}  // namespace rotulano::render
