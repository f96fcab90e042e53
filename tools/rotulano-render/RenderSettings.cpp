#include "rotulano-render/RenderSettings.h"

#include "config/ParameterFile.h"
#include "config/PrinterLists.h"
#include "core/FileStatusTitles.h"

namespace rotulano::render {

namespace {

// The usual failures get a plain explanation; any other status is named by the title the
// window shows for it.
std::string statusMeaning(const core::FileStatus& status) {
    if (status == core::kStatusNotFound) {
        return "o arquivo não existe";
    }
    if (status == core::kStatusRecordNotFound) {
        return "o arquivo não contém o registro de parâmetros (146 bytes, chave \"1\")";
    }
    if (status == core::kStatusAttributesConflict) {
        return "o nome é de uma pasta";
    }
    return std::string("o arquivo não pôde ser lido (") + core::fileStatusTitle(status) + ")";
}

std::string readError(const core::FileStatus& status, const std::string& path) {
    return "Status [" + status + "] Arquivo de parâmetros " + path + ": " + statusMeaning(status);
}

}  // namespace

bool loadRenderSettings(const std::optional<std::string>& path, core::PrinterSettings& settings,
                        std::string& error) {
    const config::ParameterFile file(path.value_or(config::ParameterFile::kFileName));
    core::PrinterSettings read = core::PrinterSettings::defaults();
    const bool useDefaults = !path && file.openCheck() == core::kStatusNotFound;
    if (!useDefaults) {
        const core::FileStatus status = file.read(read);
        if (status != core::kStatusOk) {
            error = readError(status, file.path());
            return false;
        }
    }
    if (!config::PrinterLists::isListedPort(read.port())) {
        // The print job stops at its first row with this message and prints nothing.
        error = "PORTA DE SÁIDA INVÁLIDA ! (porta " + read.portDigits() +
                " no arquivo de parâmetros " + file.path() +
                "; o programa não imprime nada com ela)";
        return false;
    }
    settings = read;
    return true;
}

}  // namespace rotulano::render
