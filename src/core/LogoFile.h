#pragma once

#include <cstddef>
#include <string>

#include "core/FileStatus.h"

namespace rotulano::core {

// A logo file (LOGOVRDL.GRF, LOGOVRDL.BMP) is a few kilobytes; anything larger than this
// is not a logo, and is never read into memory.
inline constexpr std::size_t kLargestLogoFile = 16 * 1024 * 1024;

// The logo file `name` in `directory` (empty: the current directory).
std::string logoFilePath(const std::string& directory, const std::string& name);

// Reads the logo file at `path` (the file name's bytes) whole into `bytes`. Only a
// regular file of at most kLargestLogoFile bytes is read: "96" a device, pipe or socket,
// "34" a larger file, "35" no such file.
FileStatus readLogoFile(const std::string& path, std::string& bytes);

// Why the logo file could not be used, in the words of the logo warning, after the
// file's name: " não encontrado", " não é um arquivo comum", ...
std::string logoFileProblem(const FileStatus& status);

}  // namespace rotulano::core
