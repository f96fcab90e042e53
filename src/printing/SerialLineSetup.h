#pragma once

#include "core/PortDestination.h"

#ifndef _WIN32
#include <termios.h>
#endif

namespace rotulano::printing {

// A serial line's settings as the system holds them: a terminal's attributes on Linux, a
// device control block (DCB) on Windows.
#ifndef _WIN32
using SerialSettings = termios;
#else
using SerialSettings = struct _DCB;
#endif

// Puts the open serial line `fd` in raw mode (no CR/LF translation, no echo, no special
// characters) and applies the fields `line` names: speed, data bits, parity, stop bits,
// flow control. Fields it does not name stay as the system holds them. On Windows the
// line's waits are set too: a read returns what came within a short wait, a write waits
// for the line (the program bounds that wait itself). Returns 0, or the errno of the
// failure (EINVAL for a speed not in the table of serial speeds).
int applySerialLine(int fd, const core::SerialLine& line);

// The settings applySerialLine gives the line: raw mode and the named fields over
// `settings` as the system held them. False when the speed is not one of
// the table of serial speeds (config::destinationText::serialSpeeds): it is refused, never
// taken for another.
bool serialSettings(SerialSettings& settings, const core::SerialLine& line);

}  // namespace rotulano::printing
