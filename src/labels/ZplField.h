#pragma once

#include <string>

namespace rotulano::labels {

// One ZPL field command of a layout as its template holds it for the first column:
// the "^FO" origin in dots and the fixed text after it (font, "^FD", data, "^FS").
struct ZplField {
    int x = 0;
    int y = 0;
    std::string rest;
    // Digits of each origin coordinate: 3 in every command but the old price rule (4).
    std::size_t digits = 3;

    // The command for a column whose origin lies `xShift` dots to the right.
    std::string command(int xShift) const;
};

}  // namespace rotulano::labels
