#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace rotulano::preview {

// One DPL command: an immediate command (SOH and one character), a system command
// (STX and its text up to CR) or a line of a label format (up to CR).
struct DplCommand {
    enum class Kind { Immediate, System, FormatLine };
    Kind kind = Kind::FormatLine;
    std::string text;  // without SOH or STX and without the line end
};

// Splits a DPL byte stream into commands. Lines end with CR; the LF that our print
// files add after it is skipped, as the printers skip it. An STX or SOH always starts a
// new command, even in the middle of a line.
class DplStreamReader {
  public:
    explicit DplStreamReader(const std::string& bytes) : bytes_(bytes) {}

    // The next command; false at the end of the stream.
    bool next(DplCommand& command);

    // The BMP file that follows an image download header, consumed; nothing (and
    // nothing consumed) when the next bytes are no bitmap.
    std::optional<std::string> takeBitmap();

  private:
    std::size_t lineEnd(std::size_t from) const;
    void skipLineFeeds();

    const std::string& bytes_;
    std::size_t position_ = 0;
};

}  // namespace rotulano::preview
