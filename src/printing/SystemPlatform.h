#pragma once

#include <chrono>

#include "core/Platform.h"

namespace rotulano::printing {

// The operating system behind core::Platform: the one place of the program that asks
// it for the temporary directory and the time, deletes files, writes to port devices
// and waits. Port names keep their Windows meaning; on Linux they stand for the usual
// device nodes:
//   LPT1, LPT2   /dev/usb/lp0, /dev/usb/lp1 when present, else /dev/lp0, /dev/lp1
//   COM1-COM4    /dev/ttyS0 to /dev/ttyS3
// Any other name is used as it is.
class SystemPlatform : public core::Platform {
  public:
    // How long a port may take no byte at all (printer off line, paper out, flow control
    // held, a pipe nobody reads), and a serial line's queue or a USB printer's transfer
    // may stand still, before a write to it is given up with status "30", instead of
    // freezing the job for good.
    static constexpr std::chrono::milliseconds kStalledPortTimeout{30000};

    // A port whose reader goes away (a pipe standing for a printer) makes a write fail
    // with an error status: the system's signal for it, which would end the program, is
    // ignored from here on.
    explicit SystemPlatform(std::chrono::milliseconds stalledPortTimeout = kStalledPortTimeout);

    std::string tempDir() override;
    std::string clockText() override;
    bool deleteFile(const std::string& path) override;
    std::string portDevice(const std::string& portName) override;
    core::FileStatus sendToDevice(const std::string& device, const std::string& bytes) override;
    core::Delivery deliverToDevice(const std::string& device, const std::string& bytes,
                                   const std::atomic<bool>& stop) override;
    core::FileStatus openSerialPort(const std::string& device, const std::string& bytes) override;
    void sleepFor(std::chrono::milliseconds duration) override;

  private:
    std::chrono::milliseconds stalledPortTimeout_;
};

}  // namespace rotulano::printing
