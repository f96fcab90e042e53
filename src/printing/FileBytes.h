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

}  // namespace rotulano::printing
