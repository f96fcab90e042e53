#pragma once

#include <QString>
#include <string>

namespace rotulano::preview {

// The character set in which a printer reads the bytes of its text fields. Zebra
// printers start in code page 850 (^CI0) and the DPL layouts select the PC-850 symbol
// set (STX "ySPM"); the order files are Latin-1, so their accented letters print as
// other characters, and the preview shows them as the printer does.
enum class PrinterCodePage { Pc850, Latin1, Utf8 };

// The characters that the printer draws for `bytes`.
QString decodePrinterText(const std::string& bytes, PrinterCodePage page);

// A warning for text whose letters the printer draws as others: order-file bytes above
// 127 read in code page 850. Empty when the text prints as it reads.
QString codePageWarning(const std::string& bytes, PrinterCodePage page);

}  // namespace rotulano::preview
