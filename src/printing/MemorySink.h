#pragma once

#include <string>
#include <utility>

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
    // Hands the bytes over, leaving the sink empty.
    std::string takeBytes() { return std::move(bytes_); }
    // Room for `size` bytes at once: a long job's bytes are then never moved as they grow.
    void reserve(std::size_t size) { bytes_.reserve(size); }

  private:
    std::string bytes_;
};

}  // namespace rotulano::printing
