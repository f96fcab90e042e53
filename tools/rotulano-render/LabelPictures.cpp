#include "rotulano-render/LabelPictures.h"

#include <QBuffer>

#include "core/OutputTarget.h"
#include "preview/LabelPreview.h"

namespace rotulano::render {

namespace {

// A row prints its item label, then its order summary label.
constexpr std::size_t kLabelsPerRow = 2;

std::string pictureSuffix(std::size_t index, std::size_t count) {
    if (count == kLabelsPerRow) {
        return index == 0 ? "etiqueta" : "resumo";
    }
    return std::to_string(index + 1);
}

std::string pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes.toStdString() : std::string();
}

std::string labelWarning(const std::string& path, const QString& warning) {
    const std::size_t slash = path.rfind('/');
    return path.substr(slash == std::string::npos ? 0 : slash + 1) + ": " + warning.toStdString();
}

// Encodes and writes one picture; false, with the reason in `error`, when it fails.
bool writePicture(const std::string& path, const QImage& image, const RenderOutputs& outputs,
                  std::string& error) {
    if (!outputs.checkPicture(path, error)) {
        return false;
    }
    const std::string bytes = pngBytes(image);
    const core::FileStatus status =
        bytes.empty() ? core::kStatusIoError : core::OutputTarget(path).write(bytes);
    if (status != core::kStatusOk) {
        error = "A imagem " + path + " não pôde ser gravada (" + statusWords(status) + ")";
        return false;
    }
    return true;
}

}  // namespace

std::string picturePath(const std::string& directory, int row, const std::string& suffix) {
    std::string number = std::to_string(row);
    number.insert(0, number.size() < 3 ? 3 - number.size() : 0, '0');
    const bool separated = !directory.empty() && directory.back() == '/';
    return directory + (separated ? "" : "/") + "linha-" + number + "-" + suffix + ".png";
}

bool writeLabelPictures(const RenderResult& result, const std::string& logoDir,
                        const std::string& directory, const RenderOutputs& outputs,
                        std::vector<std::string>& warnings, std::string& error, int& written) {
    written = 0;
    const core::FileStatus made = core::OutputTarget::makeFolders(directory);
    if (made != core::kStatusOk) {
        error =
            "A pasta das imagens " + directory + " não pôde ser criada (" + statusWords(made) + ")";
        return false;
    }
    const preview::PreviewResources resources =
        preview::PreviewResources::fromDirectoryBytes(logoDir);
    for (const RenderedRow& row : result.rows) {
        const std::vector<preview::RenderedLabel> labels =
            preview::renderJob(result.bytes.substr(row.offset, row.length), resources);
        for (std::size_t index = 0; index < labels.size(); ++index) {
            const std::string path =
                picturePath(directory, row.row, pictureSuffix(index, labels.size()));
            if (!writePicture(path, labels[index].image, outputs, error)) {
                return false;
            }
            ++written;
            for (const QString& warning : labels[index].warnings) {
                warnings.push_back(labelWarning(path, warning));
            }
        }
    }
    return true;
}

}  // namespace rotulano::render
