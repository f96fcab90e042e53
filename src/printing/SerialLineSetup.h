#pragma once

#include "core/PortDestination.h"

namespace rotulano::printing {

// Puts the open serial line `fd` in raw mode (no CR/LF translation, no echo, no special
// characters) and applies the fields `line` names: speed, data bits, parity, stop bits,
// flow control. Fields it does not name stay as the system holds them. Returns 0, or the
// errno of the failure.
int applySerialLine(int fd, const core::SerialLine& line);

}  // namespace rotulano::printing
