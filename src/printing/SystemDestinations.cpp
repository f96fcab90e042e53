#include "printing/SystemDestinations.h"

#include <thread>

#include "printing/DeviceDestination.h"
#include "printing/QueueDestination.h"
#include "printing/StatusQuery.h"
#include "printing/TcpDestination.h"

namespace rotulano::printing {

SystemDestinations::SystemDestinations(std::chrono::milliseconds stall, const NameLookup* lookup,
                                       std::string queueServer)
    : stall_(stall),
      pause_([](std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); }),
      lookup_(lookup != nullptr ? *lookup : systemLookup_),
      queueServer_(std::move(queueServer)) {}

void SystemDestinations::setCloseWait(std::chrono::milliseconds wait) {
    closeWait_ = wait;
}

namespace {

std::string joined(const std::vector<RowPiece>& pieces) {
    std::string bytes;
    for (const RowPiece& piece : pieces) {
        bytes += piece.bytes;
    }
    return bytes;
}

}  // namespace

core::Delivery SystemDestinations::sendRow(const core::PortDestination& destination,
                                           const std::vector<RowPiece>& pieces) {
    switch (destination.kind) {
        case core::DestinationKind::Tcp:
            return TcpDestination(destination, lookup_, stall_, cancelled_).send(joined(pieces));
        case core::DestinationKind::Queue:
            return QueueDestination(destination, queueServer_, stall_).send(joined(pieces));
        default:
            return DeviceDestination(destination, stall_, cancelled_).send(pieces, pause_);
    }
}

PrinterStatus SystemDestinations::askStatus(const core::PortDestination& destination, bool zpl) {
    return statusQuery::ask(destination, zpl, lookup_, stall_, statusWait_, cancelled_);
}

std::string deliveryFailureMessage(const std::string& portName, const std::string& destination,
                                   const core::Delivery& delivery) {
    return "Não foi possível enviar as etiquetas para a porta " + portName + " (" + destination +
           "): " + delivery.reason + " [" + delivery.status + "].";
}

}  // namespace rotulano::printing
