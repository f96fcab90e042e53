#pragma once

#include <QPoint>
#include <string>

#include "preview/LabelElement.h"
#include "preview/PrinterCodePage.h"

namespace rotulano::preview {

// What a Zebra printer keeps from one command to the next and from label to label:
// label home, print width, label length, bar code defaults, default font and
// orientation, character set.
struct ZplPrinterState {
    QPoint home;
    int printWidth = 0;   // 0: not set; the label is as wide as its marks
    int labelLength = 0;  // 0: not set; the label is as long as its marks
    int barModule = 2;
    double barRatio = 3.0;
    int barHeight = 10;
    char defaultFont = 'A';
    int defaultFontHeight = 0;
    int defaultFontWidth = 0;
    Rotation defaultRotation = Rotation::None;
    PrinterCodePage codePage = PrinterCodePage::Pc850;
};

// The field being built between "^FO" and "^FS".
struct ZplField {
    QPoint origin;
    char font = 0;         // 0: the default font
    char orientation = 0;  // 0: the default orientation
    int fontHeight = 0;
    int fontWidth = 0;
    std::string barcode;  // the bar code command's code ("BE", "B2"); empty for text
    std::string barParameters;
    std::string data;
    bool hasData = false;
};

}  // namespace rotulano::preview
