#pragma once

#include <ostream>

#include "rotulano-render/RenderOptions.h"

namespace rotulano::render {

// How a run of rotulano-render ends (its exit status).
enum class RenderExit : int {
    Ok = 0,
    CommandLine = 1,  // unknown option, bad row list, a row the order does not have
    OrderFile = 2,    // the order file cannot be opened or is refused by the loader
    Settings = 3,     // the parameter file cannot be read, or its port is invalid
    Output = 4,       // a row cannot be printed, the output file or a picture cannot be written
};

// Prefix of every line that the tool writes to the error output.
inline constexpr const char* kRenderTag = "rotulano-render: ";

// Runs rotulano-render for parsed, sound options (not --help): loads the order and the
// settings, renders the chosen rows in memory, writes the bytes to `out` or to the
// output file, and the pictures when asked. Errors and warnings go to `err`, one line
// each. Nothing is written to `out` or the output file unless every byte is ready.
RenderExit runRender(const RenderOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rotulano::render
