#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/PortDestination.h"

namespace rotulano::config {

// The entries of the ports file: for each port name of the settings ("LPT1", "LPT2",
// "COM1" to "COM4") that has one, where its bytes go. A name without an entry keeps its
// usual device. The text is an INI file:
//
//   [LPT1]
//   destino=tcp://192.168.0.50:9100
//
//   [COM1]
//   destino=/dev/ttyUSB0
//   velocidade=9600
//   bits-de-dados=8
//   paridade=nenhuma
//   bits-de-parada=1
//   controle-de-fluxo=rts-cts
//   consultar-estado=sim
//
// consultar-estado: whether the printer is asked for its status before each row ("sim"
// or "nao"); by default a network printer is and a device is not. A parallel port or a
// print queue cannot answer: "sim" there is a fault of the file.
// confirma-fechando: for a network printer, "nao" marks one known never to close its side
// of the connection after a row: its rows count once the printer acknowledged every byte,
// not when it closes (see TcpDestination); "sim", the default, is not written back.
// Lines starting with ";" or "#" are comments; names and keys are taken in any case.
class PortsTable {
  public:
    // Reads the INI text `bytes`. False, with a message naming `fileName` and the line,
    // at the first thing that is wrong; `table` is then left as it was. A device
    // destination that names a regular file, a folder, a pipe, a block device or a socket
    // is wrong here, not only when bytes are sent to it; one that does not exist yet may
    // be plugged in later.
    static bool parse(const std::string& bytes, const std::string& fileName, PortsTable& table,
                      std::string& message);

    // The INI text of the entries, in the order of the port list.
    std::string text() const;

    // The keys an entry may have, in the order they are written.
    static const std::vector<std::string>& keys();
    // The keys `destination` is written with and their values, in that order.
    static std::vector<std::pair<std::string, std::string>> keyValues(
        const core::PortDestination& destination);

    // The entry of `portName`, or nullptr when it keeps its usual device.
    const core::PortDestination* find(const std::string& portName) const;
    void set(const std::string& portName, const core::PortDestination& destination);
    void remove(const std::string& portName);
    bool empty() const { return entries_.empty(); }

    // True for "LPT1", "LPT2", "COM1" to "COM4".
    static bool isPortName(const std::string& name);

  private:
    std::map<std::string, core::PortDestination> entries_;
};

}  // namespace rotulano::config
