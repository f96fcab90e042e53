#pragma once

#include <memory>
#include <string>

#include "printing/PrivateTempDir.h"

namespace rotulano::printing {

// The print channel's run state, kept from one print job to the next for as long as the
// window (or the rotulano-render run) lives. Each field means one thing for its whole
// life; nothing is handed from one routine to another through it.
struct ChannelState {
    std::string sharedTempDir;          // the system's temporary directory, with its separator
    std::string tempDir;                // the print files' folder, with its separator; empty
                                        // when none could be made
    std::string printFileName;          // the last print file made in it; empty when there is none
    bool serialPortConfigured = false;  // the COM port was set up and confirmed this run
    // The print files' folder of this run's own, made at start-up and removed, with
    // anything left in it, when the last copy of the state goes.
    std::shared_ptr<PrivateTempDir> printFolder;
};

}  // namespace rotulano::printing
