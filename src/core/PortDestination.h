#pragma once

#include <optional>
#include <string>

namespace rotulano::core {

// Where the bytes of one port name ("LPT1" ... "COM4") go, as the ports file beside the
// settings says: a character device, a printer on the network (raw TCP) or a queue of the
// system's print service.
enum class DestinationKind { Device, Tcp, Queue };

enum class Parity { None, Even, Odd };
enum class FlowControl { None, RtsCts, XonXoff };

// The serial line settings of a device destination. Only the fields the entry names are
// applied at each open of the port; the others stay as the system holds them.
struct SerialLine {
    std::optional<int> speed;
    std::optional<int> dataBits;
    std::optional<Parity> parity;
    std::optional<int> stopBits;
    std::optional<FlowControl> flowControl;

    bool empty() const { return !speed && !dataBits && !parity && !stopBits && !flowControl; }
    bool operator==(const SerialLine& other) const {
        return speed == other.speed && dataBits == other.dataBits && parity == other.parity &&
               stopBits == other.stopBits && flowControl == other.flowControl;
    }
};

struct PortDestination {
    static constexpr int kDefaultTcpPort = 9100;

    DestinationKind kind = DestinationKind::Device;
    // As the operator wrote it: "/dev/ttyUSB0", "tcp://10.0.0.7:9100", "cups://ZEBRA".
    std::string text;
    // Device: the path. Tcp: the host name or address. Queue: the queue name.
    std::string target;
    int tcpPort = kDefaultTcpPort;
    SerialLine serial;
    // Whether the printer is asked for its status before each row, as the entry says;
    // unset: the default of its kind.
    std::optional<bool> statusCheck;
    // A network printer closes its side of the connection once it has read a row, which
    // is what confirms the row. False for a printer known never to close it (the ports
    // file's "confirma-fechando=nao"): there a row counts once every byte is acknowledged.
    bool confirmsByClosing = true;

    // A parallel port (/dev/lp0, /dev/parport0; LPT1 on Windows) carries no answer back.
    bool parallel() const {
        return kind == DestinationKind::Device &&
               (target.rfind("/dev/lp", 0) == 0 || target.rfind("/dev/parport", 0) == 0 ||
                target.rfind("LPT", 0) == 0);
    }
    // A parallel port or a print queue can never be asked for the printer's status.
    bool canCheckStatus() const { return kind != DestinationKind::Queue && !parallel(); }
    // A printer on the network is asked by default; a serial or USB device only when the
    // entry says so (one-way cables are common); a parallel port or a print queue never.
    bool checksStatus() const {
        return canCheckStatus() && statusCheck.value_or(kind == DestinationKind::Tcp);
    }
};

}  // namespace rotulano::core
