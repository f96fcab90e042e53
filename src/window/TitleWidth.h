#pragma once

#include <QString>

class QWidget;

namespace rotulano::window {

// The width a window needs for the whole of `title` in its title bar: the title in a bold
// face of the window's font (as window managers draw it), with room left for the title
// bar's icon and buttons, so that the title is never cut short.
int widthForTitle(const QWidget& window, const QString& title);

}  // namespace rotulano::window
