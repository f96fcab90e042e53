#include "rotulano-render/RenderOutputs.h"

#include <utility>
#include <vector>

#include "config/ParameterFile.h"
#include "core/FileStamp.h"
#include "core/FileStatusTitles.h"
#include "core/LogoFile.h"
#include "core/OutputTarget.h"
#include "core/ShownBytes.h"
#include "printing/LogoDownload.h"

namespace rotulano::render {

namespace {

using core::OutputTarget;

const char* const kOutputFile = "O arquivo de saída ";

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
        error = kOutputFile + target.path() + " é o próprio " + which + ": nada foi gravado";
        return false;
    }
    return true;
}

bool RenderOutputs::checkPicture(const std::string& path, std::string& error) const {
    std::string which;
    if (isProtected(path, which)) {
        error = "A imagem " + path + " é o próprio " + which + ": nada foi gravado";
        return false;
    }
    return true;
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
    const core::FileStatus status = target.write(bytes);
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
