#pragma once

#include <memory>
#include <string>

#include "config/PortsTable.h"
#include "core/Platform.h"
#include "printing/ChannelState.h"
#include "printing/DestinationSink.h"
#include "printing/PortSink.h"
#include "printing/PrintChannel.h"
#include "printing/PrintEngine.h"
#include "printing/SystemDestinations.h"

namespace rotulano::printing {

// Takes the system's temporary directory and makes the run's own print folder in it
// (`prefix`: kWindowFolderPrefix or kRenderFolderPrefix), after removing the stale
// folders that ended runs of either program left there. The folder lives as long as
// `state` (or a copy of it); without one, state.tempDir stays empty and the next job
// that needs a print file says so. No print file yet.
void openPrintFolder(ChannelState& state, core::Platform& platform, const std::string& prefix);

// The system's destinations as every print job and the Portas window's test use them:
// a device's pauses are the platform's waits.
std::unique_ptr<SystemDestinations> systemDestinations(core::Platform& platform);

// One print job to the printer's port, put together the one way the window and
// rotulano-render --send both print: the print channel in the run's folder, the usual
// port's sink, the ports file's destinations and the engine over them.
class PortJob {
  public:
    PortJob(ChannelState& state, core::Platform& platform, const config::PortsTable& ports,
            std::string logoDir = {});

    JobReport run(const JobRequest& request, JobObserver& observer) {
        return engine_.run(request, observer);
    }
    // From any thread.
    void cancel() { engine_.cancel(); }
    PrintEngine& engine() { return engine_; }

  private:
    PrintChannel channel_;
    PortSink usual_;
    std::unique_ptr<SystemDestinations> destinations_;
    DestinationSink sink_;
    PrintEngine engine_;
};

}  // namespace rotulano::printing
