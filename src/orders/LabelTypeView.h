#pragma once

#include <QString>
#include <cstdint>

namespace rotulano::orders {

// Cell colours of the label-type column, as Windows colour values (red in the low byte,
// blue in the high byte): 0x00FFFF is yellow, 0xFFFFFF white.
constexpr std::uint32_t kCellYellow = 0x00FFFF;
constexpr std::uint32_t kCellWhite = 0xFFFFFF;

// What the label-type lookup yields for an order line: the type's name in the interface
// language, the bitmap resource that pictures it, the text of the grid's type column and
// the background colour of that cell.
struct LabelTypeView {
    static constexpr int kNameLength = 15;
    static constexpr int kGridTextLength = 30;

    QString typeName = QString(kNameLength, u' ');      // padded to 15 characters
    QString pictureName;                                // e.g. "IMG-TAG-A"; empty: none
    QString gridText = QString(kGridTextLength, u' ');  // typeName then 15 blanks
    std::uint32_t cellColour = kCellWhite;
};

}  // namespace rotulano::orders
