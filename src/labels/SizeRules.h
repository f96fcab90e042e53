#pragma once

#include <string>

// The size box of the tag and adhesive layouts, shared by ZPL and DPL.
namespace rotulano::labels {

// True when all 20 characters of `size` are blank: the box, caption and size commands
// are then left out of every column.
bool sizeIsBlank(const std::string& size);

// Large layouts (ZPL-01, DPL-01): `size` centred in 20 characters by its last
// non-blank L: (21 - L) div 2 blanks, the first L characters, blanks to 20.
std::string centredSize(const std::string& size);

// Small layouts (ZPL-02, DPL-02): L, the position of the last non-blank among the
// first 5 characters of `size`; 1 when these five are blank. Each language maps L to its
// own slot and x or column.
int smallSizeLength(const std::string& size);

// Small layouts: `leadingBlanks` blanks, the first L characters of `size`, blanks to 5.
std::string smallSizeSlot(const std::string& size, int leadingBlanks);

// Where ZPL-02 puts the small size: blanks before the value in its slot, and x in dots.
struct ZplSmallSizePlacement {
    int leadingBlanks;
    int x;
};

// Size column table, ZPL-02 columns, for L from 1 to 5.
ZplSmallSizePlacement zplSmallSizePlacement(int length);

}  // namespace rotulano::labels
