#include "printing/PortJob.h"

#include "printing/PrivateTempDir.h"

namespace rotulano::printing {

void openPrintFolder(ChannelState& state, core::Platform& platform, const std::string& prefix) {
    state.sharedTempDir = platform.tempDir();
    PrivateTempDir::removeStale(state.sharedTempDir, {kWindowFolderPrefix, kRenderFolderPrefix});
    state.printFolder = std::make_shared<PrivateTempDir>(prefix);
    state.tempDir = state.printFolder->path(state.sharedTempDir);
    state.printFileName.clear();
}

std::unique_ptr<SystemDestinations> systemDestinations(core::Platform& platform) {
    auto destinations = std::make_unique<SystemDestinations>();
    destinations->setPause([&platform](std::chrono::milliseconds d) { platform.sleepFor(d); });
    return destinations;
}

PortJob::PortJob(ChannelState& state, core::Platform& platform, const config::PortsTable& ports,
                 std::string logoDir)
    : channel_(state, platform),
      usual_(channel_),
      destinations_(systemDestinations(platform)),
      sink_(usual_, channel_, ports, *destinations_),
      engine_(sink_, std::move(logoDir)) {}

}  // namespace rotulano::printing
