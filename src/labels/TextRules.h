#pragma once

#include <cstddef>
#include <string>

// Text slots of the label templates: how a field's text is cut, padded and made safe
// before it goes into a printer command.
namespace rotulano::labels {

// R1: `value` left-aligned in a slot of `width` characters, cut or blank-padded; control
// bytes (NUL, STX, CR, LF...) become blanks so a field can never end or start a command.
// Other bytes stay as they are: bar code data and the settings in the header commands.
std::string byteSlot(const std::string& value, std::size_t width);

// A text slot of the label: byteSlot with the order's letters written as the printer
// reads them (printerLetters).
std::string textSlot(const std::string& value, std::size_t width);

// R2: the slot with every "0" replaced by the letter "O" (the chain's code and price fonts).
std::string letterOForZero(std::string slot);

// A ZPL field's text with the command prefixes "^" and "~" turned into blanks, so that
// order data cannot end the field or send a command to the printer.
std::string zplFieldText(std::string text);

}  // namespace rotulano::labels
