#pragma once

#include <atomic>
#include <chrono>
#include <string>

#include "core/Delivery.h"
#include "core/PortDestination.h"

namespace rotulano::printing {

// A queue of the system's print service (cups://QUEUE): each row is one raw job holding
// the row's bytes whole, so another user's job can never land between a DPL image
// header and its bitmap. The queue's state is read first: a stopped queue, one that
// rejects jobs or one that does not exist is reported with nothing sent. The row is
// delivered once the queue has accepted the job; its number is kept in the delivery.
// Every wait for the service (its connection, its answers, its taking the bytes) ends
// once nothing has moved for the stall limit, or at once when the job is cancelled.
// Built where the print service's client library is found; elsewhere every send says
// that print queues are not available.
class QueueDestination {
  public:
    // `server`: the print service to ask (a host name or the path of its local socket);
    // empty for the system's own. `cancel`: the job's cancel, turned to 1 from any thread;
    // an int because the client library's connection reads it as one.
    QueueDestination(const core::PortDestination& destination, std::string server,
                     std::chrono::milliseconds stall, std::atomic<int>& cancel);

    core::Delivery send(const std::string& bytes) const;

    static bool available();

  private:
    const core::PortDestination& destination_;
    std::string server_;
    std::chrono::milliseconds stall_;
    std::atomic<int>& cancel_;
};

}  // namespace rotulano::printing
