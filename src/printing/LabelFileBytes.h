#pragma once

#include <string>
#include <vector>

namespace rotulano::printing {

// The line end written after every print file record.
inline constexpr const char* kRecordEnd = "\r\n";

// The bytes of a print file holding `lines`: each line as it is, followed by CR LF.
// This is exactly what a label job sends to the printer.
std::string labelFileBytes(const std::vector<std::string>& lines);

}  // namespace rotulano::printing
