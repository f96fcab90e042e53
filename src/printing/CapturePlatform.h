#pragma once

#include <string>

#include "core/Platform.h"

namespace rotulano::printing {

// A platform that keeps what would go to the printer instead of sending it, so that the
// print job's own label frame (print file, logo download, copy) can produce a job's
// exact bytes without a device: the command-line renderer runs on it. The temporary
// directory, the clock and deletions are the given platform's; waits are skipped.
class CapturePlatform : public core::Platform {
  public:
    explicit CapturePlatform(core::Platform& system) : system_(system) {}

    std::string tempDir() override { return system_.tempDir(); }
    std::string clockText() override { return system_.clockText(); }
    bool deleteFile(const std::string& path) override { return system_.deleteFile(path); }
    std::string portDevice(const std::string& portName) override { return portName; }
    core::FileStatus sendToDevice(const std::string& device, const std::string& bytes) override;
    core::FileStatus openSerialPort(const std::string& device, const std::string& bytes) override;
    void sleepFor(std::chrono::milliseconds) override {}

    // Everything sent to any port, in order.
    const std::string& captured() const { return captured_; }
    void clear() { captured_.clear(); }

  private:
    core::Platform& system_;
    std::string captured_;
};

}  // namespace rotulano::printing
