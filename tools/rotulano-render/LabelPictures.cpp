#include "rotulano-render/LabelPictures.h"

#include <QBuffer>

#include "core/FileSaver.h"
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

// The picture of each label of a row, in the order the row prints them.
std::vector<std::string> rowPictures(const std::string& directory, int row, std::size_t count) {
    std::vector<std::string> names;
    for (std::size_t index = 0; index < count; ++index) {
        names.push_back(picturePath(directory, row, pictureSuffix(index, count)));
    }
    return names;
}

std::string rowBytes(const RenderResult& result, const RenderedRow& row) {
    return result.bytes.substr(row.offset, row.length);
}

std::string pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes.toStdString() : std::string();
}

// A warning names the picture by its own name, whatever the folder and its separators.
std::string labelWarning(int row, const std::string& suffix, const QString& warning) {
    return pictureFileName(row, suffix) + ": " + warning.toStdString();
}

// Encodes and writes one picture; false, with the reason in `error`, when it fails.
bool writePicture(const std::string& path, const QImage& image, const RenderOutputs& outputs,
                  std::string& error) {
    if (!outputs.checkPicture(path, error)) {
        return false;
    }
    // A picture is only ever a file: a name that became anything else meanwhile fails.
    const std::string bytes = pngBytes(image);
    const core::FileStatus status =
        bytes.empty() ? core::kStatusIoError : core::FileSaver::save(path, bytes);
    if (status != core::kStatusOk) {
        error = "A imagem " + path + " não pôde ser gravada (" + statusWords(status) + ")";
        return false;
    }
    return true;
}

}  // namespace

std::string pictureFileName(int row, const std::string& suffix) {
    std::string number = std::to_string(row);
    number.insert(0, number.size() < 3 ? 3 - number.size() : 0, '0');
    return "linha-" + number + "-" + suffix + ".png";
}

std::string picturePath(const std::string& directory, int row, const std::string& suffix) {
    const bool separated = !directory.empty() && directory.back() == '/';
    return directory + (separated ? "" : "/") + pictureFileName(row, suffix);
}

std::vector<std::string> pictureNames(const RenderResult& result, const std::string& directory) {
    std::vector<std::string> names;
    for (const RenderedRow& row : result.rows) {
        const std::size_t labels = preview::parseJob(rowBytes(result, row)).size();
        const std::vector<std::string> ofRow = rowPictures(directory, row.row, labels);
        names.insert(names.end(), ofRow.begin(), ofRow.end());
    }
    return names;
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
            preview::renderJob(rowBytes(result, row), resources);
        const std::vector<std::string> names = rowPictures(directory, row.row, labels.size());
        for (std::size_t index = 0; index < labels.size(); ++index) {
            if (!writePicture(names[index], labels[index].image, outputs, error)) {
                return false;
            }
            ++written;
            const std::string suffix = pictureSuffix(index, labels.size());
            for (const QString& warning : labels[index].warnings) {
                warnings.push_back(labelWarning(row.row, suffix, warning));
            }
        }
    }
    return true;
}

}  // namespace rotulano::render
