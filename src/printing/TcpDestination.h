#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <string>

#include "core/Delivery.h"
#include "core/PortDestination.h"
#include "printing/NameLookup.h"
#include "printing/PortStream.h"
#include "printing/TcpConnection.h"

namespace rotulano::printing {

// A label printer on the network, raw TCP (tcp://HOST[:PORT], port 9100 by default): one
// connection per row. A printer's network stack acknowledges bytes whether or not the
// printer ever reads them (a connection waiting in its accept queue is acknowledged too),
// so a row counts only when the printer itself says it has it: after the last byte the
// sending side is shut down, and the printer's end of stream is awaited, bounded by the
// close wait, while what it sends is read and thrown away. The end of stream confirms the
// row only if no error is pending and every byte was acknowledged when it is read. A reset
// at any time fails the row; a printer that neither closes nor resets within the close
// wait has not confirmed it. A printer known never to close its side (confirmsByClosing
// false) confirms a row by acknowledging every byte.
// A row that fails or is cancelled is reset rather than closed, so that nothing the
// connection still holds reaches the printer afterwards.
// Where the system cannot count the unacknowledged bytes (Windows before 10 1703, Wine),
// the printer's end of stream without a reset confirms the row, and the printer is given
// the longer of the stall limit and the close wait to close: one still reading the row
// cannot be told from one that never will.
class TcpDestination {
  public:
    // `stop`: a cancel of the job, which ends a wait for a printer that has stopped
    // taking bytes (or does not answer the connection) after a short grace, and a wait for
    // its status answer at once; a row whose bytes were all acknowledged is given the
    // same grace for the printer's close.
    TcpDestination(const core::PortDestination& destination, const NameLookup& lookup,
                   std::chrono::milliseconds stall, std::chrono::milliseconds closeWait,
                   const std::atomic<bool>& stop = portStream::StallClock::kNeverStopped);

    core::Delivery send(const std::string& bytes) const;

    // Asks the printer on a connection of its own: writes `query` and reads into `answer`
    // until `complete`, `wait` passes or the job is cancelled. Fails only when the printer could
    // not be reached or the connection failed; an answer late or short is left to the caller.
    core::Delivery ask(const std::string& query, std::string& answer,
                       const std::function<bool(const std::string&)>& complete,
                       std::chrono::milliseconds wait) const;

  private:
    core::Delivery connect(TcpConnection& connection) const;
    core::Delivery deliver(TcpConnection& connection, const std::string& bytes) const;
    core::Delivery confirm(TcpConnection& connection, portStream::StallClock& clock) const;

    const core::PortDestination& destination_;
    const NameLookup& lookup_;
    std::chrono::milliseconds stall_;
    std::chrono::milliseconds closeWait_;
    const std::atomic<bool>& stop_;
};

}  // namespace rotulano::printing
