// rotulano-render.exe: the bytes that the Rotulano print job sends to the printer for the
// rows of an order, written to standard output or a file instead of a port. Windows gives
// the arguments as UTF-16 (wmain); the program gets them as UTF-8, any file name whole.

#include <string>
#include <vector>

#include "rotulano-render/ProgramConsole.h"
#include "rotulano-render/RenderProgram.h"
#include "rotulano-render/WideText.h"

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        const std::wstring argument(argv[i]);
        arguments.push_back(
            rotulano::render::narrowText(std::u16string(argument.begin(), argument.end())));
    }
    rotulano::render::ProgramConsole console;
    return rotulano::render::renderProgram(arguments, console);
}
