#pragma once

#include "window/Controls.h"

class QMainWindow;

namespace rotulano::window {

// Builds the form CP21000 into `window`: caption, client area of 800 by 500, menu, tab strip
// and every control of the form design with its design name as objectName. Returns the
// ControlTable. No event is wired here (EventTable does that).
Controls buildForm(QMainWindow* window);

}  // namespace rotulano::window
