#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "core/Delivery.h"
#include "core/PortDestination.h"
#include "printing/PortKind.h"
#include "printing/PortStream.h"
#include "printing/SystemDestinations.h"

namespace rotulano::printing {

// A character device named in the ports file (/dev/ttyUSB0, /dev/usb/lp1, a link under
// /dev/serial/by-id/; on Windows COM1 or LPT1, opened as \\.\COM1): anything else is
// refused before a byte is sent. For each row the
// device is opened, locked for this program alone (two programs never interleave bytes
// on one port; a port another program holds is reported busy), a serial line is set to
// raw mode with the entry's speed and framing, the bytes are written and the device
// drained within the stall limit, then closed.
// The reason a device failure gets in the messages, by its status; empty where the
// status says nothing more than that the write failed.
std::string deviceReason(const core::FileStatus& status);
// The failure of a device call, by its errno: a port another program holds (EBUSY) is
// busy, with the reason above.
core::Delivery deviceFailure(int error);

class DeviceDestination {
  public:
    // `stop`: a cancel of the job, which ends a wait for a printer that has stopped
    // taking bytes after a short grace, and a wait for its status answer at once.
    DeviceDestination(const core::PortDestination& destination, std::chrono::milliseconds stall,
                      const std::atomic<bool>& stop = portStream::StallClock::kNeverStopped);

    // The row's pieces in one open of the device, each written and drained, with the
    // printer's pause after it.
    core::Delivery send(const std::vector<RowPiece>& pieces,
                        const std::function<void(std::chrono::milliseconds)>& pause) const;

    // Asks the printer on the device, opened for reading and writing and held as for a
    // row: its pending input is thrown away, `query` written and the answer read into
    // `answer` until `complete`, `wait` passes or the job is cancelled. Fails only when the device
    // could not be used; an answer late or short is left to the caller.
    core::Delivery ask(const std::string& query, std::string& answer,
                       const std::function<bool(const std::string&)>& complete,
                       std::chrono::milliseconds wait) const;

  private:
    // The system's side (DeviceDestination_posix.cpp, _win.cpp).
    // Opens the device for writing (and reading, `forReading`), held for this program
    // alone; -1 with the failure in `failure`.
    int openHeld(bool forReading, core::Delivery& failure) const;
    static void closeHeld(int fd);
    // Throws away what a serial line has received and not yet been read.
    static void dropLineInput(int fd);
    core::Delivery deliver(int fd, portKind::PortKind kind, const std::vector<RowPiece>& pieces,
                           const std::function<void(std::chrono::milliseconds)>& pause) const;

    const core::PortDestination& destination_;
    std::chrono::milliseconds stall_;
    const std::atomic<bool>& stop_;
};

}  // namespace rotulano::printing
