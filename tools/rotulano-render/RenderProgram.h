#pragma once

#include <string>
#include <vector>

#include "core/ProgramConsole.h"

namespace rotulano::render {

// The whole of rotulano-render once the system's entry point has its arguments (without
// the program's name) as UTF-8 byte strings: the exit status.
int renderProgram(const std::vector<std::string>& arguments, core::ProgramConsole& console);

}  // namespace rotulano::render
