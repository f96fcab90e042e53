#include "printing/PrivateTempDir.h"

#include <QDir>
#include <QFile>

namespace rotulano::printing {

std::string PrivateTempDir::path(const std::string& sharedDir) {
    if (!dir_) {
        if (sharedDir.empty()) {
            return {};
        }
        const QString shared = QFile::decodeName(QByteArray::fromStdString(sharedDir));
        dir_ = std::make_unique<QTemporaryDir>(
            QDir(shared).filePath(QString::fromStdString(prefix_) + QStringLiteral("-XXXXXX")));
    }
    if (!dir_->isValid()) {
        return {};
    }
    return QFile::encodeName(QDir::toNativeSeparators(dir_->path() + QLatin1Char('/')))
        .toStdString();
}

}  // namespace rotulano::printing
