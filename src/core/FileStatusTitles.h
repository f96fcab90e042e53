#pragma once

#include "core/FileStatus.h"

namespace rotulano::core {

// The title shown over a report of a file status: what the status means, in Portuguese
// (UTF-8). A status the table lacks is "Erro Indefinido".
const char* fileStatusTitle(const FileStatus& status);

// What went wrong with the file, in plain words for the line below a status report (the
// titles above are cut at 50 characters and some name another fault than the system's):
// "sem permissão para abrir ou gravar o arquivo", "disco cheio ...". A status without
// plain words gets its title.
const char* fileStatusCause(const FileStatus& status);

}  // namespace rotulano::core
