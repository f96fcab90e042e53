#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/FileStatus.h"
#include "core/GuardedFile.h"

namespace rotulano::orders {

// Reads an order file line by line, from an open file or from bytes already in memory.
// A line ends at LF; a CR just before the LF, or just before the end of the file, belongs
// to the line end and not to the line. The last line needs no line end.
//
// Only the first 300 bytes of a line are kept: no order line holds more, and the rest of
// a longer line is read past and dropped, so that a file without line ends (a binary file
// chosen by mistake) never fills the memory.
class LineReader {
  public:
    enum class Result { Line, EndOfFile, Error };

    static constexpr std::size_t kMaxKept = 300;

    // Reads from `file`, which stays open and owned by the caller.
    explicit LineReader(core::GuardedFile& file);
    // Reads from `bytes`, which must outlive the reader.
    explicit LineReader(std::string_view bytes);

    // The next line into `line` (at most 300 bytes, line end removed). On Error the
    // reason is in status().
    Result next(std::string& line);

    // The file status of the last read: "00", or the status of the failed read.
    const core::FileStatus& status() const { return status_; }

  private:
    bool refill();
    void keep(std::string& line, std::string_view bytes);

    core::GuardedFile* file_ = nullptr;
    std::string chunk_;
    std::string_view pending_;
    std::size_t lineLength_ = 0;
    bool lastWasCr_ = false;
    core::FileStatus status_ = core::kStatusOk;
};

}  // namespace rotulano::orders
