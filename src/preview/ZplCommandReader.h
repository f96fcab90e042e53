#pragma once

#include <cstddef>
#include <string>

namespace rotulano::preview {

// One ZPL command: its prefix ('^' or '~'), its two-letter code in capitals ("FO",
// "A0", "DG") and its parameter text up to the next command, without CR and LF.
struct ZplCommand {
    char prefix = '^';
    std::string code;
    std::string parameters;
};

// Splits a ZPL byte stream into commands the way the printer does: a command starts at
// every '^' or '~' and runs to the next one, field data included; bytes before the
// first command are ignored, and CR and LF count for nothing anywhere.
class ZplCommandReader {
  public:
    explicit ZplCommandReader(const std::string& bytes) : bytes_(bytes) {}

    // The next command; false at the end of the stream.
    bool next(ZplCommand& command);

  private:
    const std::string& bytes_;
    std::size_t position_ = 0;
};

}  // namespace rotulano::preview
