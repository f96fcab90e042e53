#pragma once

#include <QRect>
#include <QString>

#include "window/Controls.h"

namespace rotulano::window {

// Where the print journal's line LBL-DIARIO lies on the Seleção page, `lines` lines of
// text high, over the grid's design place.
QRect journalLineDesign(int lines);

// Shows `text` (one or more lines) in LBL-DIARIO over the grid, the grid giving up the
// room; an empty text hides the line and gives the grid its design place again.
void showJournalLine(const Controls& controls, const QString& text);

}  // namespace rotulano::window
