#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/FileStamp.h"
#include "core/FileStatus.h"
#include "core/GuardedFile.h"

namespace rotulano::orders {

// Reads an order file line by line, from an open file or from bytes already in memory.
// A line ends at LF; a CR just before the LF, or just before the end of the file, belongs
// to the line end and not to the line. The last line needs no line end.
//
// Only the first 300 bytes of a line are kept: no order line holds more. A line end must
// come within the 600 bytes (twice a record) that follow the previous one, or the line is
// refused (TooLong): a file without line ends (a binary file chosen by mistake, a disk
// image) is never read past that point, however large it is. The reader never asks the
// file for more than that either, so that refusing a file of any size costs one short
// read.
//
// A file that changes while it is read (cut, rewritten, touched, or replaced under its
// name) ends in Changed instead of EndOfFile: the lines read may mix two versions of it.
class LineReader {
  public:
    enum class Result { Line, EndOfFile, Error, TooLong, Changed };

    static constexpr std::size_t kMaxKept = 300;
    static constexpr std::size_t kLongestLine = 2 * kMaxKept;

    // Reads from `file`, which stays open and owned by the caller; `path` is the name it
    // was opened by, looked at again at the end of the file.
    LineReader(core::GuardedFile& file, std::string path);
    // Reads from `bytes`, which must outlive the reader.
    explicit LineReader(std::string_view bytes);

    // The next line into `line` (at most 300 bytes, line end removed). On Error the
    // reason is in status().
    Result next(std::string& line);

    // The file status of the last read: "00", or the status of the failed read.
    const core::FileStatus& status() const { return status_; }

    // The number of the line last returned, or of the line refused as too long (from 1).
    std::size_t lineNumber() const { return lineNumber_; }

  private:
    bool refill(std::size_t most);
    void keep(std::string& line, std::string_view bytes);
    Result endOfFile();
    Result lineEnded(std::string& line);

    core::GuardedFile* file_ = nullptr;
    std::string path_;
    core::FileStamp openedStamp_;
    std::string chunk_;
    std::string_view pending_;
    std::size_t lineLength_ = 0;
    std::size_t lineNumber_ = 0;
    bool lastWasCr_ = false;
    core::FileStatus status_ = core::kStatusOk;
};

}  // namespace rotulano::orders
