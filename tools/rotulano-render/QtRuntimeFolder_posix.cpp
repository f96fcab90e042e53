#include <QFile>

#include "rotulano-render/QtRuntimeFolder.h"

namespace rotulano::render {

std::unique_ptr<QTemporaryDir> qtRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        return nullptr;
    }
    auto folder = std::make_unique<QTemporaryDir>();
    if (folder->isValid()) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder->path()));
    }
    return folder;
}

}  // namespace rotulano::render
