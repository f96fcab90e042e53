#pragma once

#include <chrono>
#include <string>

#include "core/Delivery.h"
#include "core/PortDestination.h"
#include "printing/NameLookup.h"

namespace rotulano::printing {

// Sends one row's bytes to a destination of the ports file. The interface lets tests
// and callers that only collect bytes stand in for the system.
class DestinationSender {
  public:
    virtual ~DestinationSender() = default;
    virtual core::Delivery send(const core::PortDestination& destination,
                                const std::string& bytes) = 0;
};

// The operating system's side: a character device, a TCP connection or a job in the
// system's print queue, each bounded by the stall limit.
class SystemDestinations : public DestinationSender {
  public:
    static constexpr std::chrono::milliseconds kStallLimit{30000};

    // `lookup`: where host names are looked up (the system's resolver when null);
    // `queueServer`: the print service to ask (the system's own when empty).
    explicit SystemDestinations(std::chrono::milliseconds stall = kStallLimit,
                                const NameLookup* lookup = nullptr, std::string queueServer = {});

    core::Delivery send(const core::PortDestination& destination,
                        const std::string& bytes) override;

  private:
    std::chrono::milliseconds stall_;
    SystemNameLookup systemLookup_;
    const NameLookup& lookup_;
    std::string queueServer_;
};

// The message of a row the destination did not take, e.g. "Não foi possível enviar as
// etiquetas para a porta LPT1 (tcp://10.0.0.7:9100): conexão recusada [30]."
std::string deliveryFailureMessage(const std::string& portName, const std::string& destination,
                                   const core::Delivery& delivery);

}  // namespace rotulano::printing
