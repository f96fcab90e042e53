#pragma once

#include <QTemporaryDir>
#include <memory>
#include <ostream>

namespace rotulano::render {

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

// What the system needs before Qt starts a picture application: a private runtime folder
// where the session has none (Qt complains on the error output otherwise), kept for as
// long as the returned object lives; null where Qt wants none.
std::unique_ptr<QTemporaryDir> qtRuntimeFolder();

}  // namespace rotulano::render
