#pragma once

#include <atomic>
#include <string>

#include "printing/JobSink.h"
#include "printing/PrintChannel.h"
#include "printing/PrinterLock.h"

namespace rotulano::printing {

// The printer's port as a print job's destination: each piece is written into a fresh
// print file of the channel's own folder, read back and copied whole to the port's
// device. Before a row the saved port is checked, its device held for the job (see
// PrinterLock) and a COM port set up once per run of the program
// (ChannelState::serialPortConfigured). A failed piece names the port and the device
// tried. One sink serves one job: a cancel holds until it goes.
class PortSink : public JobSink {
  public:
    explicit PortSink(PrintChannel& channel) : channel_(channel) {}

    PortCheck prepare(const core::PrinterSettings& settings) override;
    void confirmSetUp() override;
    bool write(const std::string& bytes, ChannelResult& result) override;
    void pause(std::chrono::milliseconds duration) override;
    void cancel() override { stop_ = true; }
    void jobEnded() override { lock_.release(); }

    // The port the pieces go to ("LPT1"); prepare() sets it from the saved settings.
    void setPort(std::string portName) { portName_ = std::move(portName); }

  private:
    PrintChannel& channel_;
    std::string portName_;
    std::atomic<bool> stop_{false};
    PrinterLock lock_;
};

}  // namespace rotulano::printing
