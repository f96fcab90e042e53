#include "rotulano-render/RenderOutputs.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "config/ParameterFile.h"
#include "core/FileStamp.h"
#include "core/FileStatusTitles.h"
#include "core/LogoFile.h"
#include "core/OutputTarget.h"
#include "core/ShownBytes.h"
#include "printing/LogoDownload.h"
#include "printing/SerialLineSetup.h"

namespace rotulano::render {

namespace {

using core::OutputTarget;

const char* const kOutputFile = "O arquivo de saída ";
const char* const kPicture = "A imagem ";
const char* const kNothingWritten = ": nada foi gravado";

}  // namespace

std::string statusWords(const core::FileStatus& status) {
    return "status " + status + ": " + core::fileStatusTitle(status);
}

RenderOutputs::RenderOutputs(const RenderOptions& options) : options_(options) {}

// The files the run reads, each with the words that name it.
bool RenderOutputs::isProtected(const std::string& path, std::string& which) const {
    using printing::LogoDownload;
    const std::vector<std::pair<const char*, std::string>> read = {
        {"arquivo de pedidos", options_.orderPath},
        {"arquivo de parâmetros", options_.settingsPath.value_or(config::ParameterFile::kFileName)},
        {"arquivo do logotipo", core::logoFilePath(options_.logoDir, LogoDownload::kZplLogoFile)},
        {"arquivo do logotipo", core::logoFilePath(options_.logoDir, LogoDownload::kDplLogoFile)},
    };
    for (const auto& [words, file] : read) {
        if (OutputTarget::sameFile(path, file)) {
            which = std::string(words) + " " + file;
            return true;
        }
    }
    return false;
}

bool RenderOutputs::checkOutputFile(std::string& error) const {
    if (!options_.outputPath) {
        return true;
    }
    const OutputTarget target(*options_.outputPath);
    if (target.kind() == OutputTarget::Kind::Refused) {
        error = kOutputFile + target.path() + " é " + target.refusal() +
                ": use um arquivo comum, um dispositivo de caracteres, um pipe ou - (a saída "
                "padrão)";
        return false;
    }
    std::string which;
    if (target.kind() != OutputTarget::Kind::Standard && isProtected(target.path(), which)) {
        error = kOutputFile + target.path() + " é o próprio " + which + kNothingWritten;
        return false;
    }
    if (target.writeProtected()) {
        error = kOutputFile + target.path() + " está protegido contra gravação" + kNothingWritten +
                "; libere a gravação do arquivo ou use outro nome";
        return false;
    }
    return true;
}

bool RenderOutputs::checkPicture(const std::string& path, std::string& error) const {
    std::string which;
    if (isProtected(path, which)) {
        error = kPicture + path + " é o próprio " + which + kNothingWritten;
        return false;
    }
    const OutputTarget target(path);
    const bool refused = target.kind() == OutputTarget::Kind::Refused;
    if (refused || target.kind() == OutputTarget::Kind::Stream) {
        error = kPicture + path + " é " +
                (refused ? target.refusal() : std::string("um dispositivo ou um pipe")) +
                kNothingWritten + "; retire-a ou use outra pasta em --png";
        return false;
    }
    if (target.writeProtected()) {
        error = kPicture + path + " está protegida contra gravação" + kNothingWritten +
                "; libere a gravação do arquivo ou use outra pasta em --png";
        return false;
    }
    return true;
}

// The output file and the pictures are each written whole over what was there: one
// landing on another would leave only the last one written.
bool RenderOutputs::landsOnAnotherOutput(const std::vector<std::string>& pictures,
                                         std::string& error) const {
    const std::optional<std::string>& output = options_.outputPath;
    const bool outputIsFile =
        output && OutputTarget(*output).kind() != OutputTarget::Kind::Standard;
    if (outputIsFile && options_.pngDir && OutputTarget::sameFile(*output, *options_.pngDir)) {
        error = kOutputFile + *output + " é a própria pasta das imagens" + kNothingWritten;
        return true;
    }
    const std::string outputFile = outputIsFile ? OutputTarget::identity(*output) : "";
    std::map<std::string, const std::string*> seen;
    for (const std::string& picture : pictures) {
        const std::string file = OutputTarget::identity(picture);
        if (!outputFile.empty() && file == outputFile) {
            error = kOutputFile + *output + " é a própria imagem " + picture + kNothingWritten +
                    "; use um nome fora da pasta das imagens";
            return true;
        }
        const auto [earlier, first] = seen.emplace(file, &picture);
        if (!first && !file.empty()) {
            error =
                kPicture + picture + " é a própria imagem " + *earlier->second + kNothingWritten;
            return true;
        }
    }
    return false;
}

bool RenderOutputs::checkPictures(const std::vector<std::string>& pictures,
                                  std::string& error) const {
    for (const std::string& picture : pictures) {
        if (!checkPicture(picture, error)) {
            return false;
        }
    }
    return !landsOnAnotherOutput(pictures, error);
}

bool RenderOutputs::writeJob(const std::string& bytes, std::ostream& out, std::string& error) {
    const OutputTarget target(options_.outputPath.value_or("-"));
    if (target.kind() == OutputTarget::Kind::Standard) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            error = "A saída padrão não aceitou todos os bytes";
            return false;
        }
        return true;
    }
    // Only a file that was there before the write has earlier bytes to keep.
    core::FileStamp before;
    const bool existed = core::fileStampOf(target.path(), before) == core::kStatusOk;
    // A terminal named as the output is a printer's line: its bytes go unchanged, as the
    // print job sends them.
    const auto printerLine = [](int fd) {
        return printing::applySerialLine(fd, core::SerialLine{});
    };
    const core::FileStatus status = target.write(bytes, printerLine);
    if (status == core::kStatusOk) {
        jobWritten_ = true;
        return true;
    }
    error = kOutputFile + core::shownBytes(target.path()) +
            " não pôde ser gravado: " + core::fileStatusCause(status) + "; " + statusWords(status);
    if (target.kind() == OutputTarget::Kind::File) {
        error += existed ? "; o arquivo anterior com esse nome fica como estava"
                         : "; nenhum arquivo foi criado";
    }
    return false;
}

std::string RenderOutputs::writtenSoFar() const {
    return jobWritten_ ? "o arquivo de saída " + *options_.outputPath : std::string();
}

}  // namespace rotulano::render
