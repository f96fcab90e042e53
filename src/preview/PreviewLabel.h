#pragma once

#include <QSize>
#include <QStringList>
#include <vector>

#include "preview/LabelElement.h"

namespace rotulano::preview {

enum class PrinterLanguage { Zpl, Dpl };

// The largest label side the preview draws, in dots (40 cm at 8 dots per millimetre):
// no label stock comes near it, and it bounds what an absurd command can cost.
constexpr int kMaxLabelDots = 3200;

// One label of a print job as the printer will print it: its marks, its size in dots
// (8 per millimetre), how many copies the job asks for and how many labels stand side
// by side on the stock.
struct PreviewLabel {
    PrinterLanguage language = PrinterLanguage::Zpl;
    QSize size;
    std::vector<LabelElement> elements;
    int copies = 1;
    int across = 1;
    // False when the job ends before the label's end command ("^XZ", "E"): the
    // printer would wait for the rest and print nothing yet.
    bool complete = true;
    // What the printer will not print as the commands seem to intend, in Portuguese.
    QStringList warnings;
};

// The warning for a label sent with 0 copies, a count outside what the printers accept.
QString zeroCopiesWarning();

}  // namespace rotulano::preview
