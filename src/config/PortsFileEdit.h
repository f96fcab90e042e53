#pragma once

#include <string>

#include "config/PortsTable.h"

namespace rotulano::config {

// The ports file as the operator keeps it, edited rather than rewritten: the text
// `original` with the entries of `table` put in, for the port names the Portas window
// shows. A value that changed is rewritten in its own line (its key's spelling, the
// spaces around "=" and the line end kept); a key the entry no longer has loses its
// line; a key it gains is added after the entry's last key; an entry the table lacks
// loses its lines (its header, its keys and the comment lines right above it); a new
// entry is added at the end. Everything else stays byte for byte: comments, blank lines,
// keys and sections the table does not know, the order of sections and keys, and the
// file's line ends (CR LF or LF, new lines taking the file's first). An empty original
// gives the table's own text.
std::string editPortsText(const std::string& original, const PortsTable& table);

}  // namespace rotulano::config
