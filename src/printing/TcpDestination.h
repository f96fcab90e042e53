#pragma once

#include <chrono>

#include "core/Delivery.h"
#include "core/PortDestination.h"
#include "printing/NameLookup.h"

namespace rotulano::printing {

// A label printer on the network, raw TCP (tcp://HOST[:PORT], port 9100 by default): one
// connection per row. The row is delivered only when every byte was written and the
// printer acknowledged them all (nothing left in the connection's send queue within the
// stall limit); the connection is then shut down and closed.
class TcpDestination {
  public:
    TcpDestination(const core::PortDestination& destination, const NameLookup& lookup,
                   std::chrono::milliseconds stall);

    core::Delivery send(const std::string& bytes) const;

  private:
    core::Delivery connectTo(const std::string& address, int& fd) const;
    core::Delivery deliver(int fd, const std::string& bytes) const;

    const core::PortDestination& destination_;
    const NameLookup& lookup_;
    std::chrono::milliseconds stall_;
};

}  // namespace rotulano::printing
