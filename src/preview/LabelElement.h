#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

#include "preview/PrinterFont.h"

namespace rotulano::preview {

// How far a field is turned on the label, clockwise as the label is read. A field
// turned by three quarters reads from the bottom up (ZPL "B", DPL rotation 4).
enum class Rotation { None, Quarter, Half, ThreeQuarters };

// One mark that a command puts on the label, in printer dots. `own` is its size before
// turning (along its text or bars, then across); `box` is where it lands on the label,
// measured from the label's top-left corner.
struct LabelElement {
    enum class Kind { Text, Box, Bars, Picture };

    Kind kind = Kind::Text;
    Rotation rotation = Rotation::None;
    QSize own;
    QRect box;

    QString text;           // Text; for Bars the human-readable line, if printed
    PrinterFont font;       // Text, and the human-readable line of Bars
    int thickness = 0;      // Box: top and bottom lines (Kind::Box)
    int sideThickness = 0;  // Box: left and right lines
    bool white = false;     // Box: drawn in white (ZPL line colour "W")
    std::vector<int> bars;  // Bars: widths in dots, a bar first, then space and bar
    int barHeight = 0;      // Bars
    QImage picture;         // Picture: black where the printer burns, clear elsewhere

    // True when `other` is the same mark, wherever it stands across the label.
    bool sameMarkAs(const LabelElement& other) const;
};

// The size on the label of something of size `own` turned by `rotation`.
QSize turnedSize(QSize own, Rotation rotation);

// A bar code mark, not yet placed: `bars` in dots, `barHeight` tall, with the
// human-readable line under it when `humanText` is not empty.
LabelElement barsElement(std::vector<int> bars, int barHeight, const QString& humanText,
                         int module);

}  // namespace rotulano::preview
