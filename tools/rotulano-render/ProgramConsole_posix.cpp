#include <QFile>
#include <iostream>

#include "rotulano-render/ProgramConsole.h"

namespace rotulano::render {

// A terminal takes UTF-8 as it is: every stream is the C++ one.
struct ProgramConsole::Streams {};

ProgramConsole::ProgramConsole() = default;

ProgramConsole::~ProgramConsole() {
    std::cout.flush();
    std::cerr.flush();
}

std::ostream& ProgramConsole::bytes() {
    return std::cout;
}

std::ostream& ProgramConsole::text() {
    return std::cout;
}

std::ostream& ProgramConsole::errors() {
    return std::cerr;
}

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
