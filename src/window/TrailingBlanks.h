#pragma once

#include <QString>

namespace rotulano::window {

// `text` without the blanks that pad a fixed-width field at its end; leading and inner
// blanks, tabs and other characters stay. Titles, messages, marks and paths are shown
// and used this way.
QString withoutTrailingBlanks(QString text);

}  // namespace rotulano::window
