#pragma once

#include <QRect>
#include <QSize>

namespace rotulano::window {

// How a control of the form follows the window when the window is larger than the
// form's design size: the share of the extra width by which its left and right edges
// move, and of the extra height by which its top and bottom edges move. 0 keeps an edge
// where the design put it, 1 makes it follow the window's edge: left 0 and right 1 grow
// the control with the window, left 1 and right 1 move it along.
struct Anchor {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The anchor of the control named `name` in the form design; controls not listed keep
// their design rectangle.
Anchor anchorOf(const char* name);

// The rectangle of a control designed at `design` when the window has `extra` pixels
// more than its design size (a negative extra counts as none).
QRect anchoredRect(const QRect& design, const Anchor& anchor, const QSize& extra);

}  // namespace rotulano::window
