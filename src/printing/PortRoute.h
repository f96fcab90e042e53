#pragma once

#include <optional>
#include <string>

#include "config/PortsTable.h"
#include "core/Delivery.h"
#include "core/Platform.h"
#include "core/PortDestination.h"
#include "core/PrinterSettings.h"
#include "printing/SystemDestinations.h"

namespace rotulano::printing {

// Where the bytes of one port name go: the ports file's entry for it, or, without one,
// the device the name has always stood for.
class PortRoute {
  public:
    PortRoute(std::string portName, const config::PortsTable& table);
    // A destination written as in the ports file, given for the port name directly.
    PortRoute(std::string portName, core::PortDestination destination);

    const std::string& portName() const { return portName_; }
    const std::optional<core::PortDestination>& destination() const { return destination_; }

    // What the messages name: the entry as written, or the usual device.
    std::string describe(core::Platform& platform) const;

    // The serial set-up and its box run only for a COM name whose bytes go to a serial
    // device: its usual one, or a device entry. Never for a network printer or a queue.
    bool runsSerialSetup() const;

    // Sends one row's bytes, whole, through the entry or to the usual device.
    core::Delivery send(const std::string& bytes, core::Platform& platform,
                        DestinationSender& destinations) const;

  private:
    std::string portName_;
    std::optional<core::PortDestination> destination_;
};

// Sends the Portas window's test label ("Rotulano", the port name and the time, in the
// language of the saved model) through `route`.
core::Delivery sendTestLabel(const PortRoute& route, const core::PrinterSettings& settings,
                             core::Platform& platform, DestinationSender& destinations);

}  // namespace rotulano::printing
