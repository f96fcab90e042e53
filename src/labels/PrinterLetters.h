#pragma once

#include <string>

// The letters of an order as the printers read them. Order files are Latin-1, with the
// Windows-1252 punctuation of orders typed on Windows in 0x80-0x9F; a ZPL printer at
// ^CI0 and a DPL printer on the PC-850 symbol set read every byte above 127 in code
// page 850. Each order letter is written as the code page 850 byte of the same letter.
namespace rotulano::labels {

// What a printer gets for a label text that has no code page 850 byte.
inline constexpr char kUnprintableLetter = '?';

// The code page 850 byte for one order byte: bytes below 128 unchanged, every Latin-1
// letter (0xA0-0xFF) its own, and in 0x80-0x9F "ƒ" 0x9F, the curly quotes ' and ", the
// dashes "-", "•" 0xFA; "?" for anything else.
char printerLetter(char orderByte);

// `orderText` with every byte written as printerLetter gives it.
std::string printerLetters(std::string orderText);

// Whether an order byte has no code page 850 byte and prints as "?" ("?" itself prints).
bool isUnprintableLetter(char orderByte);

// The warning the print job gives, once per job, when a label printed a "?" for a
// letter of the order (title "ATENÇÃO").
inline constexpr const char* kUnprintableLettersTitle = "ATENÇÃO";
inline constexpr const char* kUnprintableLettersText =
    "O pedido tem caracteres que a impressora não imprime (página de código 850): "
    "eles saem como \"?\" nas etiquetas";

}  // namespace rotulano::labels
