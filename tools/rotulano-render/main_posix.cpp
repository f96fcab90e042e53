// rotulano-render: the bytes that the Rotulano print job sends to the printer for the
// rows of an order, written to standard output or a file instead of a port. Each
// argument is a string of bytes, as the system gives it.

#include <string>
#include <vector>

#include "core/ProgramConsole.h"
#include "rotulano-render/RenderProgram.h"

int main(int argc, char** argv) {
    rotulano::core::ProgramConsole console;
    return rotulano::render::renderProgram(std::vector<std::string>(argv + 1, argv + argc),
                                           console);
}
