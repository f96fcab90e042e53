#pragma once

#include "core/FileStatus.h"
#include "printing/PrintChannel.h"

namespace rotulano::printing {

// ROTINA-SERIAL: opens the COM port named by ChannelState::serialPortName ("COM1" to
// "COM4") for output, sends one empty line (CR LF) so that the printer feeds, and closes
// it. The line settings are the ones the system holds for the port. Afterwards the print
// file name is the port name and a colon (not a file of ours: it is never deleted), and
// serialPortName holds the returned status followed by two blanks.
core::FileStatus rotinaSerial(PrintChannel& channel);

}  // namespace rotulano::printing
