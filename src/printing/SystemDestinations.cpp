#include "printing/SystemDestinations.h"

#include <thread>

#include "printing/DeviceDestination.h"
#include "printing/QueueDestination.h"
#include "printing/SpoolerDestination.h"
#include "printing/StatusQuery.h"
#include "printing/TcpDestination.h"

namespace rotulano::printing {

SystemDestinations::SystemDestinations(std::chrono::milliseconds stall,
                                       std::shared_ptr<const NameLookup> lookup,
                                       std::string queueServer)
    : stall_(stall),
      pause_([](std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); }),
      jobLookup_(lookup != nullptr ? std::move(lookup) : std::make_shared<SystemNameLookup>(),
                 stall, cancelled_),
      queueServer_(std::move(queueServer)) {}

void SystemDestinations::cancel() {
    cancelled_ = true;
    queueCancelled_ = 1;
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
            return TcpDestination(destination, jobLookup_, stall_, closeWait_, cancelled_)
                .send(joined(pieces));
        case core::DestinationKind::Queue:
            return sendToQueue(destination, joined(pieces));
        default:
            return DeviceDestination(destination, stall_, cancelled_).send(pieces, pause_);
    }
}

// The system's print queues: CUPS on Linux, the spooler on Windows.
core::Delivery SystemDestinations::sendToQueue(const core::PortDestination& destination,
                                               const std::string& bytes) {
#ifdef _WIN32
    const std::unique_ptr<SpoolerCalls> calls = systemSpoolerCalls();
    return SpoolerDestination(destination, *calls, cancelled_).send(bytes);
#else
    return QueueDestination(destination, queueServer_, stall_, queueCancelled_).send(bytes);
#endif
}

PrinterStatus SystemDestinations::askStatus(const core::PortDestination& destination, bool zpl) {
    return statusQuery::ask(destination, zpl, jobLookup_, stall_, statusWait_, cancelled_);
}

std::string deliveryFailureMessage(const std::string& portName, const std::string& destination,
                                   const core::Delivery& delivery) {
    return "Não foi possível enviar as etiquetas para a porta " + portName + " (" + destination +
           "): " + delivery.reason + " [" + delivery.status + "]" +
           (delivery.bytesWritten ? "; " + std::string(kPartlySentWarning) : std::string()) + ".";
}

}  // namespace rotulano::printing
