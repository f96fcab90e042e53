#pragma once

#include <memory>
#include <string>

#include "printing/PrivateTempDir.h"

namespace rotulano::printing {

// The print channel's run state, shared by the label jobs, the serial set-up and the
// logo download for as long as the window lives.
struct ChannelState {
    std::string sharedTempDir;     // the system's temporary directory, with its separator
    std::string tempDir;           // the print files' folder, with its separator; empty
                                   // when none could be made
    std::string printFileName;     // the current print file (or device after a serial set-up)
    bool printFileIsOurs = false;  // printFileName names a print file this program made
    bool serialPortConfigured = false;
    // SerialPortName: the COM port the serial set-up opens ("COM1" to "COM4"); after it,
    // the set-up's file status followed by two blanks.
    std::string serialPortName;
    // The print files' folder of this window's own, made at start-up and removed, with
    // anything left in it, when the last copy of the state goes.
    std::shared_ptr<PrivateTempDir> printFolder;
};

}  // namespace rotulano::printing
