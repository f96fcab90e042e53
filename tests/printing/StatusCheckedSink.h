#pragma once

#include <chrono>
#include <string>

#include "RecordingPlatform.h"
#include "config/PortsTable.h"
#include "printing/DestinationSink.h"
#include "printing/PortSink.h"
#include "printing/PrintChannel.h"

namespace rotulano::test {

// The sink of a print job whose ports go to the system's destinations as `ports` says,
// with its own channel state in `tempDir`, the stall limit `stall` and the wait for a
// printer's status answer `wait`.
struct StatusCheckedSink {
    StatusCheckedSink(const config::PortsTable& ports, const std::string& tempDir,
                      std::chrono::milliseconds stall, std::chrono::milliseconds wait)
        : state(withTempDir(tempDir)),
          channel(state, platform),
          usual(channel),
          destinations(stall),
          sink(usual, channel, ports, destinations) {
        destinations.setStatusWait(wait);
        destinations.setCloseWait(kCloseWait);
    }

    // The printer stand-ins close each connection as soon as they have read it.
    static constexpr std::chrono::milliseconds kCloseWait{1000};

    static printing::ChannelState withTempDir(const std::string& tempDir) {
        printing::ChannelState state;
        state.tempDir = tempDir + "/";
        return state;
    }

    RecordingPlatform platform;
    printing::ChannelState state;
    printing::PrintChannel channel;
    printing::PortSink usual;
    printing::SystemDestinations destinations;
    printing::DestinationSink sink;
};

}  // namespace rotulano::test
