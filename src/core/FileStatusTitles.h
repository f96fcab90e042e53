#pragma once

#include "core/FileStatus.h"

namespace rotulano::core {

// The title shown over a report of a file status: what the status means, in Portuguese
// (UTF-8). A status the table lacks is "Erro Indefinido".
const char* fileStatusTitle(const FileStatus& status);

}  // namespace rotulano::core
