#pragma once

#include <string>

#include "core/FileStatus.h"
#include "printing/PrintChannel.h"

namespace rotulano::printing {

// ROTINA-SERIAL: opens the COM port `portName` ("COM1" to "COM4") for output, sends one
// empty line (CR LF) so that the printer feeds, and closes it; returns the file status.
// The line settings are the ones the system holds for the port. The last print file is
// deleted first: the next naming of a print file has none to delete.
core::FileStatus rotinaSerial(PrintChannel& channel, const std::string& portName);

}  // namespace rotulano::printing
