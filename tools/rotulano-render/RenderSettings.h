#pragma once

#include <optional>
#include <string>

#include "core/PrinterSettings.h"

namespace rotulano::render {

// Reads the settings the renderer prints with: the parameter file `path` when given;
// otherwise CD21PRM.DAT in the current directory when it exists, else the record the
// program starts with. The file is never created nor changed. False, with the reason in
// `error` (UTF-8), when the file cannot be read, holds no settings record, or names an
// output port outside LPT1, LPT2, COM1-COM4 (the print job then prints nothing).
bool loadRenderSettings(const std::optional<std::string>& path, core::PrinterSettings& settings,
                        std::string& error);

}  // namespace rotulano::render
