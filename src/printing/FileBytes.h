#pragma once

#include <string>

#include "core/FileStatus.h"

// The print channel's print files are bytes, written unchanged (they are read back
// through core::GuardedFile).
namespace rotulano::printing {

// Creates the file at `path` anew and writes `bytes` into it, for a print file: the
// file must not exist yet and a symbolic link there is never followed. An entry already
// at that name is removed (the link itself, not what it points to) and the create is
// tried once more; the status says why it failed after that.
core::FileStatus createFileBytes(const std::string& path, const std::string& bytes);

}  // namespace rotulano::printing
