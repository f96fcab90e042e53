#include "printing/SystemDestinations.h"

#include "printing/DeviceDestination.h"
#include "printing/QueueDestination.h"
#include "printing/TcpDestination.h"

namespace rotulano::printing {

SystemDestinations::SystemDestinations(std::chrono::milliseconds stall, const NameLookup* lookup,
                                       std::string queueServer)
    : stall_(stall),
      lookup_(lookup != nullptr ? *lookup : systemLookup_),
      queueServer_(std::move(queueServer)) {}

core::Delivery SystemDestinations::send(const core::PortDestination& destination,
                                        const std::string& bytes) {
    switch (destination.kind) {
        case core::DestinationKind::Tcp:
            return TcpDestination(destination, lookup_, stall_).send(bytes);
        case core::DestinationKind::Queue:
            return QueueDestination(destination, queueServer_, stall_).send(bytes);
        default:
            return DeviceDestination(destination, stall_).send(bytes);
    }
}

std::string deliveryFailureMessage(const std::string& portName, const std::string& destination,
                                   const core::Delivery& delivery) {
    return "Não foi possível enviar as etiquetas para a porta " + portName + " (" + destination +
           "): " + delivery.reason + " [" + delivery.status + "].";
}

}  // namespace rotulano::printing
