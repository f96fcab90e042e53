#pragma once

#include <memory>
#include <ostream>
#include <string>

namespace rotulano::core {

// The program's standard output and error output as the operating system wants them
// written. The job's bytes go out unchanged everywhere (a printer's bytes: no line end
// is ever rewritten). Text (the help, the version, the messages, all UTF-8) goes out as
// bytes to a pipe or a file, as on Linux, and as characters to a Windows console, which
// would show UTF-8 bytes in the console's own code page.
class ProgramConsole {
  public:
    ProgramConsole();
    ~ProgramConsole();
    ProgramConsole(const ProgramConsole&) = delete;
    ProgramConsole& operator=(const ProgramConsole&) = delete;

    // Standard output for the job's bytes.
    std::ostream& bytes();
    // Standard output for UTF-8 text.
    std::ostream& text();
    // The error output, UTF-8 text.
    std::ostream& errors();

  private:
    struct Streams;
    std::unique_ptr<Streams> streams_;
};

// The window program's answer to --help or --version (UTF-8 text), written where the
// person who asked reads it: its standard output as a ProgramConsole's text. On Windows
// the window program has no console of its own: started from a command prompt without
// a pipe or a file for its output, it writes to the prompt's console; started from the
// desktop, where no console is there at all, it shows the text in a message box. False
// when the text could not be written.
bool writeWindowProgramText(const std::string& text);

}  // namespace rotulano::core
