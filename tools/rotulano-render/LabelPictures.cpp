#include "rotulano-render/LabelPictures.h"

#include <QDir>
#include <QFile>

#include "preview/LabelPreview.h"

namespace rotulano::render {

namespace {

// A row prints its item label, then its order summary label.
constexpr std::size_t kLabelsPerRow = 2;

QString pictureName(int row, std::size_t index, std::size_t count) {
    QString suffix;
    if (count == kLabelsPerRow) {
        suffix = index == 0 ? QStringLiteral("etiqueta") : QStringLiteral("resumo");
    } else {
        suffix = QString::number(index + 1);
    }
    return QStringLiteral("linha-%1-%2.png").arg(row, 3, 10, QLatin1Char('0')).arg(suffix);
}

QString localPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string labelWarning(const QString& file, const QString& warning) {
    return (file + QStringLiteral(": ") + warning).toStdString();
}

}  // namespace

bool writeLabelPictures(const RenderResult& result, const std::string& logoDir,
                        const std::string& directory, std::vector<std::string>& warnings,
                        std::string& error) {
    const QDir target(localPath(directory));
    if (!target.mkpath(QStringLiteral("."))) {
        error = "A pasta das imagens " + directory + " não pôde ser criada";
        return false;
    }
    const preview::PreviewResources resources = preview::PreviewResources::fromDirectory(
        logoDir.empty() ? QStringLiteral(".") : localPath(logoDir));
    for (const RenderedRow& row : result.rows) {
        const std::vector<preview::RenderedLabel> labels =
            preview::renderJob(result.bytes.substr(row.offset, row.length), resources);
        for (std::size_t index = 0; index < labels.size(); ++index) {
            const QString name = pictureName(row.row, index, labels.size());
            if (!labels[index].image.save(target.filePath(name), "PNG")) {
                error = "A imagem " + target.filePath(name).toStdString() + " não pôde ser gravada";
                return false;
            }
            for (const QString& warning : labels[index].warnings) {
                warnings.push_back(labelWarning(name, warning));
            }
        }
    }
    return true;
}

}  // namespace rotulano::render
