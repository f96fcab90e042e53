#pragma once

#include <string>

#include "core/FileStatus.h"

// Whole-file reads and writes of the print channel: print files and logo files are
// bytes, passed on unchanged.
namespace rotulano::printing {

// Reads the whole file at `path` into `bytes`.
core::FileStatus readFileBytes(const std::string& path, std::string& bytes);

// Creates or empties the file at `path` and writes `bytes` into it; the status says
// whether every byte reached the file.
core::FileStatus writeFileBytes(const std::string& path, const std::string& bytes);

// Creates the file at `path` anew and writes `bytes` into it, for a print file: the
// file must not exist yet and a symbolic link there is never followed. An entry already
// at that name is removed (the link itself, not what it points to) and the create is
// tried once more; the status says why it failed after that.
core::FileStatus createFileBytes(const std::string& path, const std::string& bytes);

}  // namespace rotulano::printing
