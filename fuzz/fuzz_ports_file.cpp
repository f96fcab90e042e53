// Arbitrary bytes as the ports file rotulano-portas.ini. Properties checked:
//   - a file that is refused gets a message naming the file and a line of it, and the
//     table given is left as it was;
//   - a file that is read is written back as text that reads back to the same entries,
//     and that text is stable (written again, it is the same bytes);
//   - every entry read has a destination of a known kind and serial fields in range.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "config/PortsTable.h"
#include "config/PrinterLists.h"

namespace {

using rotulano::fuzz::require;
namespace config = rotulano::config;
namespace core = rotulano::core;

const std::string kFileName = "rotulano-portas.ini";

void checkEntry(const core::PortDestination& entry) {
    require(!entry.text.empty() && !entry.target.empty(), "entry without destination");
    require(entry.tcpPort >= 1 && entry.tcpPort <= 65535, "TCP port out of range");
    const core::SerialLine& serial = entry.serial;
    require(!serial.dataBits || (*serial.dataBits >= 5 && *serial.dataBits <= 8), "data bits");
    require(!serial.stopBits || *serial.stopBits == 1 || *serial.stopBits == 2, "stop bits");
    require(serial.empty() || entry.kind == core::DestinationKind::Device,
            "serial fields on a network destination");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    config::PortsTable table;
    core::PortDestination kept;
    kept.text = kept.target = "/dev/usb/lp0";
    table.set("LPT1", kept);
    std::string message;
    if (!config::PortsTable::parse(bytes, kFileName, table, message)) {
        require(message.rfind("Arquivo de portas " + kFileName + ", linha ", 0) == 0,
                "message does not name the file and the line", bytes);
        require(table.find("LPT1") != nullptr && table.find("LPT1")->text == kept.text,
                "a refused file changed the table", bytes);
        return 0;
    }
    for (const std::string& name : config::PrinterLists::portItems()) {
        if (const core::PortDestination* entry = table.find(name)) {
            checkEntry(*entry);
        }
    }
    const std::string text = table.text();
    config::PortsTable again;
    require(config::PortsTable::parse(text, kFileName, again, message),
            "written text does not read back", text);
    require(again.text() == text, "written text is not stable", text);
    return 0;
}
