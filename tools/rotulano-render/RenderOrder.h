#pragma once

#include <string>
#include <vector>

namespace rotulano::render {

// The order that the renderer prints: the item lines as the window's grid holds them
// (300 bytes each, in file order) and the order number of the header, as the 6 digits
// that the print job writes into every printed line.
struct RenderOrder {
    std::vector<std::string> items;
    std::string orderNumber;
    std::string supplierName;  // the header's Latin-1 bytes
    std::string sha256;        // of the file's bytes, lower-case hex
};

// Reads the order file at `path` with the window's own loader and checks. False, with
// what the window would show in `error` (UTF-8), when the window would not offer a
// single row to print: the loader's message for a refused file, or the file status
// for a file that cannot be opened or read.
bool loadRenderOrder(const std::string& path, RenderOrder& order, std::string& error);

}  // namespace rotulano::render
