#pragma once

#include <QString>
#include <QStringList>

namespace rotulano::preview {

// The faces that PrinterFont draws the printer fonts with come from the system's font
// packages on Linux. Windows has none of them, so the Windows programs carry them in a
// "fonts" folder beside the program: added to Qt's fonts once the application exists, a
// field takes the same room and a label picture has the same size as on Linux.

// The "fonts" folder beside the running program.
QString programFontsFolder();

// Adds every *.otf and *.ttf file of `folder` to the application's fonts; the families
// they brought, sorted, each once. A file Qt cannot read adds nothing; a missing folder
// adds nothing (a Linux install, whose fonts are the system's).
QStringList addProgramFonts(const QString& folder = programFontsFolder());

}  // namespace rotulano::preview
