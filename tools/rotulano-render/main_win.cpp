// rotulano-render.exe: the bytes that the Rotulano print job sends to the printer for the
// rows of an order, written to standard output or a file instead of a port. Windows gives
// the arguments as UTF-16 (wmain); the program holds them as its file names are held
// everywhere (core/SystemPath.h).

#include <string>
#include <vector>

#include "core/ProgramConsole.h"
#include "core/SystemPath.h"
#include "rotulano-render/RenderProgram.h"

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(rotulano::core::pathFromWide(argv[i]));
    }
    rotulano::core::ProgramConsole console;
    return rotulano::render::renderProgram(arguments, console);
}
