#include "printing/PortRoute.h"

#include "config/PrinterLists.h"
#include "labels/TestLabel.h"
#include "printing/DeviceDestination.h"
#include "printing/LabelFileBytes.h"

namespace rotulano::printing {

namespace {

std::string usualDeviceReason(const core::FileStatus& status) {
    const std::string reason = deviceReason(status);
    return reason.empty() ? "a porta não recebeu as etiquetas" : reason;
}

}  // namespace

PortRoute::PortRoute(std::string portName, const config::PortsTable& table)
    : portName_(std::move(portName)) {
    if (const core::PortDestination* entry = table.find(portName_)) {
        destination_ = *entry;
    }
}

PortRoute::PortRoute(std::string portName, core::PortDestination destination)
    : portName_(std::move(portName)), destination_(std::move(destination)) {}

std::string PortRoute::describe(core::Platform& platform) const {
    return destination_ ? destination_->text : platform.portDevice(portName_);
}

bool PortRoute::runsSerialSetup() const {
    return config::PrinterLists::isSerialPortName(portName_) &&
           (!destination_ || destination_->kind == core::DestinationKind::Device);
}

core::Delivery PortRoute::send(const std::string& bytes, core::Platform& platform,
                               DestinationSender& destinations) const {
    if (destination_) {
        return destinations.send(*destination_, bytes);
    }
    const core::FileStatus status = platform.sendToDevice(platform.portDevice(portName_), bytes);
    return status == core::kStatusOk ? core::Delivery{}
                                     : core::Delivery::failed(status, usualDeviceReason(status));
}

core::Delivery sendTestLabel(const PortRoute& route, const core::PrinterSettings& settings,
                             core::Platform& platform, DestinationSender& destinations) {
    const std::string bytes =
        labelFileBytes(labels::testLabelLines(settings, route.portName(), platform.clockText()));
    return route.send(bytes, platform, destinations);
}

}  // namespace rotulano::printing
