#include <iostream>

#include "core/ProgramConsole.h"

namespace rotulano::core {

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

bool writeWindowProgramText(const std::string& text) {
    ProgramConsole console;
    console.text() << text;
    return static_cast<bool>(console.text().flush());
}

}  // namespace rotulano::core
