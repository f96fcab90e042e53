#pragma once

#include <atomic>
#include <chrono>
#include <string>

#include "core/Delivery.h"
#include "core/FileStatus.h"

namespace rotulano::core {

// Every operating-system service the program uses, behind one interface so that tests
// can point the ports at files or pseudo-terminals, fix the clock and skip the waits.
class Platform {
  public:
    virtual ~Platform() = default;

    // The system's temporary directory with its trailing separator; empty on failure.
    virtual std::string tempDir() = 0;

    // The local date and time as 21 characters: yyyymmddhhmmsscc then the offset from
    // Greenwich as sign, hours and minutes.
    virtual std::string clockText() = 0;

    // Deletes a file by name; the result says whether it is gone.
    virtual bool deleteFile(const std::string& path) = 0;

    // The device that a port name ("LPT1", "COM1", ...) stands for on this system.
    virtual std::string portDevice(const std::string& portName) = 0;

    // Writes `bytes` to the device (or file) `device`, whole and unchanged. A serial
    // device is put in raw mode first, keeping its line speed and framing.
    virtual FileStatus sendToDevice(const std::string& device, const std::string& bytes) = 0;

    // sendToDevice for a print job that can be cancelled: once `stop` turns true, a wait
    // for a port that has stopped taking bytes ends (with status "30") after a short
    // grace instead of the whole stall limit; a port that still takes bytes gets them all.
    // The delivery is good only once the bytes have left the program: a serial line's
    // output queue is empty, a USB printer's last transfer has completed. A failure says
    // whether any byte had been written, and, for a device that hung up (switched off,
    // unplugged), why.
    virtual Delivery deliverToDevice(const std::string& device, const std::string& bytes,
                                     const std::atomic<bool>& stop) {
        (void)stop;
        const FileStatus status = sendToDevice(device, bytes);
        return status == kStatusOk ? Delivery{} : Delivery::failed(status, {});
    }

    // Opens the serial device for output and closes it again, writing `bytes` between.
    virtual FileStatus openSerialPort(const std::string& device, const std::string& bytes) = 0;

    // Waits, so that the printer can store a downloaded image.
    virtual void sleepFor(std::chrono::milliseconds duration) = 0;

    // The namespace of the locks that keep one print job at a time on each printer for
    // every user of this machine (printing::PrinterLock); empty for the system's own, which
    // every copy of the program shares.
    virtual std::string printerLockSpace() { return {}; }
};

}  // namespace rotulano::core
