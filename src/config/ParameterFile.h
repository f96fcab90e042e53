#pragma once

#include <string>

#include "core/FileStatus.h"
#include "core/PrinterSettings.h"

namespace rotulano::config {

// The parameter file CD21PRM.DAT: a plain file holding the one 146-character settings
// record under key "1" (its first byte). A file shorter than 146 bytes or whose first
// byte is not "1" holds no record ("23").
class ParameterFile {
  public:
    static constexpr const char* kFileName = "CD21PRM.DAT";

    explicit ParameterFile(std::string path = kFileName);

    // Opens the file for input and closes it again: "00", "35" when it does not exist,
    // "37" when it may not be read, another status for other failures.
    core::FileStatus openCheck() const;

    // Reads the record with key "1" into `settings` (left as it was on failure).
    core::FileStatus read(core::PrinterSettings& settings) const;

    // Creates the file holding `settings` (start-up, when the file is missing).
    core::FileStatus create(const core::PrinterSettings& settings) const;

    // Replaces the stored record by `settings`: the new record is written whole first,
    // then takes the old one's place, so the file is never left half-written.
    core::FileStatus rewrite(const core::PrinterSettings& settings) const;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace rotulano::config
