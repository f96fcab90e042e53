#pragma once

#include <string>

#include "core/FileStatus.h"
#include "core/PrinterSettings.h"

namespace rotulano::config {

// The parameter file CD21PRM.DAT: a plain file holding exactly the 146 bytes of the one
// settings record, without a line end, so that it stays readable in a text editor. The
// record's key "1" is its first byte. A file shorter than 146 bytes or whose first byte
// is not "1" holds no record ("23"); bytes beyond the 146th are ignored on reading.
//
// Statuses: "00" success, "35" the file does not exist, "37" it may not be read (or,
// for rewrite, it is marked read-only), "39" the name is a directory, "96" a device, a
// named pipe or a socket (never opened), "23" no record, "34" a save cut short by a full
// disk, the status of the system's error otherwise. A save keeps the file's owner, group,
// permissions and other names (core::FileSaver).
class ParameterFile {
  public:
    static constexpr const char* kFileName = "CD21PRM.DAT";

    explicit ParameterFile(std::string path = kFileName);

    // Opens the file for input and closes it again.
    core::FileStatus openCheck() const;

    // Reads the record with key "1" into `settings` (left as it was on failure).
    core::FileStatus read(core::PrinterSettings& settings) const;

    // Creates the file holding `settings` (start-up, when the file is missing).
    core::FileStatus create(const core::PrinterSettings& settings) const;

    // Replaces the stored record by `settings`: the new record is written whole first,
    // then takes the old one's place (or, where a new file cannot stand in for the old
    // one, is written over it in one go), so the file is never left half-written. The file
    // must exist, hold a record and not be marked read-only. Positions 15-146 are
    // written as `settings` holds them: callers rewrite the record they read.
    core::FileStatus rewrite(const core::PrinterSettings& settings) const;

    const std::string& path() const { return path_; }

    // What a status of the file at `path` means, in plain words for the line below a
    // status report (UTF-8): "o arquivo não contém o registro de parâmetros ..." for "23",
    // "o nome é um laço de links ..." when `path` is one (the system's error for it is a
    // mere "30"), the file status's own cause otherwise.
    static std::string statusCause(const core::FileStatus& status, const std::string& path);

  private:
    core::FileStatus readBytes(std::string& bytes) const;
    core::FileStatus save(const core::PrinterSettings& settings) const;

    std::string path_;
};

}  // namespace rotulano::config
