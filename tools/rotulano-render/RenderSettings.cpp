#include "rotulano-render/RenderSettings.h"

#include "config/ParameterFile.h"
#include "config/PrinterLists.h"
#include "core/ShownBytes.h"

namespace rotulano::render {

namespace {

std::string readError(const core::FileStatus& status, const std::string& path) {
    return "Status [" + status + "] Arquivo de parâmetros " + core::shownBytes(path) + ": " +
           config::ParameterFile::statusCause(status, path);
}

std::string damageError(const std::vector<core::DamagedField>& fields, const std::string& path) {
    return "Arquivo de parâmetros " + core::shownBytes(path) +
           " danificado: " + core::PrinterSettings::damageText(fields, "; ") +
           " (escolha os valores na janela do Rotulano e clique em Gravar)";
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
        error = "PORTA DE SÁIDA INVÁLIDA ! (porta " + core::shownBytes(read.portDigits()) +
                " no arquivo de parâmetros " + core::shownBytes(file.path()) +
                "; o programa não imprime nada com ela)";
        return false;
    }
    const std::vector<core::DamagedField> damaged = read.damagedFields();
    if (!damaged.empty()) {
        error = damageError(damaged, file.path());
        return false;
    }
    settings = read;
    return true;
}

}  // namespace rotulano::render
