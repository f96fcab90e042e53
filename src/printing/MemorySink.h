#pragma once

#include <string>

#include "printing/JobSink.h"

namespace rotulano::printing {

// A print job's destination that keeps the bytes: what the printer would receive, in
// order, without a port, a print file or a wait. rotulano-render and the label preview
// take a job's bytes from it.
class MemorySink : public JobSink {
  public:
    PortCheck prepare(const core::PrinterSettings&) override { return {}; }
    bool write(const std::string& bytes, ChannelResult&) override {
        bytes_ += bytes;
        return true;
    }
    void pause(std::chrono::milliseconds) override {}

    const std::string& bytes() const { return bytes_; }

  private:
    std::string bytes_;
};

}  // namespace rotulano::printing
