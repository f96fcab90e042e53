#include "config/DestinationText.h"

#include <algorithm>
#include <cctype>

namespace rotulano::config::destinationText {

namespace {

constexpr const char* kTcpPrefix = "tcp://";
constexpr const char* kQueuePrefix = "cups://";
constexpr const char* kSpoolerPrefix = "spooler://";
// The longest printer name the Windows spooler gives.
constexpr std::size_t kLongestPrinterName = 220;
constexpr int kLargestTcpPort = 65535;
// The highest port numbers Windows gives serial and parallel ports.
constexpr int kLastComPort = 256;
constexpr int kLastLptPort = 3;
// The line speeds a serial printer and the system's serial drivers both know.
const std::vector<int> kSpeeds = {300,   600,   1200,  2400,   4800,  9600,
                                  19200, 38400, 57600, 115200, 230400};

bool startsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool allDigits(const std::string& text, std::size_t most) {
    return !text.empty() && text.size() <= most &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool hostCharacter(unsigned char c) {
    return std::isalnum(c) != 0 || c == '.' || c == '-' || c == '_';
}

bool ipv6Character(unsigned char c) {
    return std::isxdigit(c) != 0 || c == ':' || c == '.';
}

// HOST, HOST:PORT, [V6] or [V6]:PORT.
bool parseHostAndPort(const std::string& text, core::PortDestination& destination) {
    std::string host = text;
    std::string port;
    if (startsWith(text, "[")) {
        const std::size_t close = text.find(']');
        if (close == std::string::npos) {
            return false;
        }
        host = text.substr(1, close - 1);
        const std::string rest = text.substr(close + 1);
        if (!rest.empty() && (rest[0] != ':' || (port = rest.substr(1)).empty())) {
            return false;
        }
        if (host.empty() || !std::all_of(host.begin(), host.end(), ipv6Character)) {
            return false;
        }
    } else {
        const std::size_t colon = text.find(':');
        if (colon != std::string::npos) {
            host = text.substr(0, colon);
            port = text.substr(colon + 1);
            if (port.empty()) {
                return false;
            }
        }
        if (host.empty() || !std::all_of(host.begin(), host.end(), hostCharacter)) {
            return false;
        }
    }
    int number = core::PortDestination::kDefaultTcpPort;
    if (!port.empty()) {
        if (!allDigits(port, 5) || (number = std::stoi(port)) < 1 || number > kLargestTcpPort) {
            return false;
        }
    }
    destination.target = host;
    destination.tcpPort = number;
    return true;
}

// Queue names of the print service: printable, without blank, slash, '#' or quotes.
bool validQueueName(const std::string& name) {
    return !name.empty() && name.size() <= 127 &&
           std::all_of(name.begin(), name.end(), [](unsigned char c) {
               return c > ' ' && c < 0x7f && c != '/' && c != '#' && c != '\\' && c != '\'' &&
                      c != '"';
           });
}

// A printer as Windows names it ("ZDesigner ZD220-203dpi ZPL", or "\\SERVIDOR\Zebra" for
// one another computer shares): any text but a control character or a comma, which the
// spooler's own names use to add a part to a printer's name.
bool validPrinterName(const std::string& name) {
    return !name.empty() && name.size() <= kLongestPrinterName &&
           std::none_of(name.begin(), name.end(),
                        [](unsigned char c) { return c < ' ' || c == 0x7f || c == ','; });
}

bool validDevicePath(const std::string& path) {
    return path.size() > 1 && path[0] == '/' &&
           std::none_of(path.begin(), path.end(), [](unsigned char c) { return c < ' '; });
}

// "COM1" to "COM256", "LPT1" to "LPT3", in any case: the ports Windows numbers.
bool validWindowsPort(const std::string& name) {
    const std::string upperName = upper(name);
    const std::string number = upperName.substr(std::min<std::size_t>(3, upperName.size()));
    if (!allDigits(number, 3) || number[0] == '0') {
        return false;
    }
    const int value = std::stoi(number);
    const std::string prefix = upperName.substr(0, 3);
    return (prefix == "COM" && value <= kLastComPort) || (prefix == "LPT" && value <= kLastLptPort);
}

// What each system takes, said when a destination is none of it.
std::string deviceFormsReason(System system) {
    if (system == System::Windows) {
        return "use COM1 a COM256, LPT1 a LPT3, tcp://ENDEREÇO[:PORTA] ou spooler://IMPRESSORA";
    }
    return "use um dispositivo como /dev/ttyUSB0, tcp://ENDEREÇO[:PORTA] ou cups://FILA";
}

bool parseQueue(System system, const std::string& text, core::PortDestination& read,
                std::string& reason) {
    read.kind = core::DestinationKind::Queue;
    read.target = text.substr(std::string(kQueuePrefix).size());
    if (system == System::Windows) {
        reason = "filas cups:// não existem no Windows (" + deviceFormsReason(system) + ")";
        return false;
    }
    reason = "nome de fila inválido (use cups://FILA)";
    return validQueueName(read.target);
}

// A printer of the Windows spooler is a queue of the system's print service, as a CUPS
// queue is on Linux: the same kind, never asked for its status (the spooler owns the port).
bool parseSpoolerPrinter(System system, const std::string& text, core::PortDestination& read,
                         std::string& reason) {
    read.kind = core::DestinationKind::Queue;
    read.target = text.substr(std::string(kSpoolerPrefix).size());
    if (system == System::Linux) {
        reason = "impressoras spooler:// só existem no Windows (" + deviceFormsReason(system) + ")";
        return false;
    }
    reason =
        "nome de impressora inválido (use spooler://IMPRESSORA, com o nome que o Windows "
        "mostra)";
    return validPrinterName(read.target);
}

bool parseDevice(System system, const std::string& text, core::PortDestination& read,
                 std::string& reason) {
    read.kind = core::DestinationKind::Device;
    if (system == System::Windows) {
        read.target = upper(text);
        reason = startsWith(text, "/") ? "dispositivos /dev/ não existem no Windows (" +
                                             deviceFormsReason(system) + ")"
                                       : "destino inválido (" + deviceFormsReason(system) + ")";
        return validWindowsPort(text);
    }
    read.target = text;
    reason = "destino inválido (" + deviceFormsReason(system) + ")";
    return validDevicePath(text);
}

}  // namespace

bool parse(System system, const std::string& text, core::PortDestination& destination,
           std::string& reason) {
    core::PortDestination read = destination;
    read.text = text;
    bool good = false;
    if (startsWith(lower(text), kTcpPrefix)) {
        read.kind = core::DestinationKind::Tcp;
        good = parseHostAndPort(text.substr(std::string(kTcpPrefix).size()), read);
        reason = "endereço de rede inválido (use tcp://ENDEREÇO ou tcp://ENDEREÇO:PORTA)";
    } else if (startsWith(lower(text), kQueuePrefix)) {
        good = parseQueue(system, text, read, reason);
    } else if (startsWith(lower(text), kSpoolerPrefix)) {
        good = parseSpoolerPrinter(system, text, read, reason);
    } else {
        good = parseDevice(system, text, read, reason);
    }
    if (!good) {
        return false;
    }
    reason.clear();
    destination = read;
    return true;
}

bool parseSpeed(const std::string& text, int& speed) {
    if (!allDigits(text, 6)) {
        return false;
    }
    const int value = std::stoi(text);
    if (!isSerialSpeed(value)) {
        return false;
    }
    speed = value;
    return true;
}

bool parseDataBits(const std::string& text, int& bits) {
    if (text.size() != 1 || text[0] < '5' || text[0] > '8') {
        return false;
    }
    bits = text[0] - '0';
    return true;
}

bool parseStopBits(const std::string& text, int& bits) {
    if (text != "1" && text != "2") {
        return false;
    }
    bits = text[0] - '0';
    return true;
}

bool parseParity(const std::string& text, core::Parity& parity) {
    const std::string word = lower(text);
    if (word == "nenhuma") {
        parity = core::Parity::None;
    } else if (word == "par") {
        parity = core::Parity::Even;
    } else if (word == "impar" || word == "\xc3\xadmpar" || word == "\xc3\x8dmpar") {
        parity = core::Parity::Odd;
    } else {
        return false;
    }
    return true;
}

bool parseFlowControl(const std::string& text, core::FlowControl& flow) {
    const std::string word = lower(text);
    if (word == "nenhum") {
        flow = core::FlowControl::None;
    } else if (word == "rts-cts") {
        flow = core::FlowControl::RtsCts;
    } else if (word == "xon-xoff") {
        flow = core::FlowControl::XonXoff;
    } else {
        return false;
    }
    return true;
}

bool parseYesNo(const std::string& text, bool& yes) {
    const std::string word = lower(text);
    if (word != "sim" && word != "nao" && word != "n\xc3\xa3o" && word != "n\xc3\x83o") {
        return false;
    }
    yes = word == "sim";
    return true;
}

std::string yesNoText(bool yes) {
    return yes ? "sim" : "nao";
}

const std::vector<int>& serialSpeeds() {
    return kSpeeds;
}

bool isSerialSpeed(int speed) {
    return std::find(kSpeeds.begin(), kSpeeds.end(), speed) != kSpeeds.end();
}

std::string parityText(core::Parity parity) {
    switch (parity) {
        case core::Parity::Even:
            return "par";
        case core::Parity::Odd:
            return "impar";
        default:
            return "nenhuma";
    }
}

std::string flowControlText(core::FlowControl flow) {
    switch (flow) {
        case core::FlowControl::RtsCts:
            return "rts-cts";
        case core::FlowControl::XonXoff:
            return "xon-xoff";
        default:
            return "nenhum";
    }
}

}  // namespace rotulano::config::destinationText
