#include "core/WorkingFolder.h"

#include <cstring>

#include "core/FileStatusTitles.h"
#include "core/WorkingFolderSystem.h"

namespace rotulano::core {

namespace {

std::string refusal(const std::string& folder, const std::string& cause) {
    return "A pasta de trabalho do Rotulano não pode ser usada:\n" + folder + "\n" + cause;
}

bool hasStartMenuFlag(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], kStartMenuFlag) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string enterOwnFolder(const std::string& parent) {
    const std::string folder = workingFolder::join(parent, kWorkingFolderName);
    const workingFolder::Kind kind = workingFolder::kindOf(folder);
    if (kind == workingFolder::Kind::Other) {
        return refusal(folder, "existe com esse nome um arquivo, não uma pasta");
    }
    FileStatus status =
        kind == workingFolder::Kind::Missing ? workingFolder::make(folder) : kStatusOk;
    if (status == kStatusOk) {
        status = workingFolder::probeWrite(folder);
    }
    if (status == kStatusOk) {
        status = workingFolder::enter(folder);
    }
    return status == kStatusOk ? std::string() : refusal(folder, fileStatusCause(status));
}

std::string startMenuFolderFailure(int argc, char** argv) {
    if (!hasStartMenuFlag(argc, argv)) {
        return {};
    }
    const std::string parent = userFolder();
    return parent.empty() ? refusal(kWorkingFolderName, "a pasta do usuário não foi encontrada")
                          : enterOwnFolder(parent);
}

bool enterWorkingFolder(int argc, char** argv) {
    const std::string message = startMenuFolderFailure(argc, argv);
    if (message.empty()) {
        return true;
    }
    workingFolder::show(message);
    return false;
}

}  // namespace rotulano::core
