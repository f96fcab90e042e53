#pragma once

#include <string>

namespace rotulano::printing {

// The print channel's run state, shared by the label jobs, the serial set-up and the
// logo download for as long as the window lives.
struct ChannelState {
    std::string tempDir;           // the system's temporary directory, with its separator
    std::string printFileName;     // the current print file (or device after a serial set-up)
    bool printFileIsOurs = false;  // printFileName names a print file this program made
    bool serialPortConfigured = false;
    bool logoLoaded = false;
    // SerialPortName: the COM port the serial set-up opens ("COM1" to "COM4"); after it,
    // the set-up's file status followed by two blanks.
    std::string serialPortName;
};

}  // namespace rotulano::printing
