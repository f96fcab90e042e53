#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <string>

#include "core/Delivery.h"
#include "core/PortDestination.h"
#include "printing/NameLookup.h"
#include "printing/PortStream.h"

namespace rotulano::printing {

// A label printer on the network, raw TCP (tcp://HOST[:PORT], port 9100 by default): one
// connection per row. The row is delivered only when every byte was written and the
// printer acknowledged them all (nothing left in the connection's send queue within the
// stall limit); the connection is then shut down and closed.
class TcpDestination {
  public:
    // `stop`: a cancel of the job, which ends a wait for a printer that has stopped
    // taking bytes (or does not answer the connection) after a short grace, and a wait for
    // its status answer at once.
    TcpDestination(const core::PortDestination& destination, const NameLookup& lookup,
                   std::chrono::milliseconds stall,
                   const std::atomic<bool>& stop = portStream::StallClock::kNeverStopped);

    core::Delivery send(const std::string& bytes) const;

    // Asks the printer on a connection of its own: writes `query` and reads into `answer`
    // until `complete`, `wait` passes or the job is cancelled. Fails only when the printer could
    // not be reached or the connection failed; an answer late or short is left to the caller.
    core::Delivery ask(const std::string& query, std::string& answer,
                       const std::function<bool(const std::string&)>& complete,
                       std::chrono::milliseconds wait) const;

  private:
    core::Delivery connect(int& fd) const;
    core::Delivery connectTo(const std::string& address, int& fd) const;
    core::Delivery deliver(int fd, const std::string& bytes) const;

    const core::PortDestination& destination_;
    const NameLookup& lookup_;
    std::chrono::milliseconds stall_;
    const std::atomic<bool>& stop_;
};

}  // namespace rotulano::printing
