#pragma once

#include <string>
#include <string_view>

namespace rotulano::core {

// Bytes from outside the program (a file name, a field of a file) as a message shows them:
// control bytes and bytes that are not UTF-8 text written as \xHH ("\x00", "\xE9" for a
// Latin-1 "é"), so that no message carries a NUL, a terminal escape or a broken character.
// UTF-8 text passes unchanged ("Área de Trabalho" stays as it is).
std::string shownBytes(std::string_view bytes);

}  // namespace rotulano::core
