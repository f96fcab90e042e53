#pragma once

#include <QString>
#include <string>

namespace rotulano::preview {

// The character set in which a printer reads the bytes of its text fields. Zebra
// printers start in code page 850 (^CI0) and the DPL layouts select the PC-850 symbol
// set (STX "ySPM"); the labels write the order's letters in code page 850, and the
// preview draws them as the printer does.
enum class PrinterCodePage { Pc850, Latin1, Utf8 };

// The characters that the printer draws for `bytes`.
QString decodePrinterText(const std::string& bytes, PrinterCodePage page);

}  // namespace rotulano::preview
