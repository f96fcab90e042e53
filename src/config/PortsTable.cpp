#include "config/PortsTable.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <vector>

#include "config/DestinationText.h"
#include "config/PrinterLists.h"
#include "core/PathKind.h"
#include "core/ShownBytes.h"

namespace rotulano::config {

namespace {

using namespace destinationText;

constexpr const char* kDestinationKey = "destino";
constexpr const char* kSpeedKey = "velocidade";
constexpr const char* kDataBitsKey = "bits-de-dados";
constexpr const char* kParityKey = "paridade";
constexpr const char* kStopBitsKey = "bits-de-parada";
constexpr const char* kFlowKey = "controle-de-fluxo";
constexpr const char* kStatusKey = "consultar-estado";
constexpr const char* kClosingKey = "confirma-fechando";

std::string trimmed(const std::string& text) {
    const auto blank = [](unsigned char c) { return c == ' ' || c == '\t' || c == '\r'; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// One serial key: how its value is read into the line settings, and what is said
// when the value is not one of those allowed.
struct SerialKey {
    const char* key;
    std::function<bool(const std::string&, core::SerialLine&)> read;
    std::string complaint;
};

// "velocidade inválida %s (use 300, 600, ... ou 230400)", from the table of speeds.
std::string speedComplaint() {
    const std::vector<int>& speeds = serialSpeeds();
    std::string list;
    for (std::size_t i = 0; i < speeds.size(); ++i) {
        list += (i == 0 ? "" : i + 1 == speeds.size() ? " ou " : ", ") + std::to_string(speeds[i]);
    }
    return "velocidade inválida %s (use " + list + ")";
}

const std::vector<SerialKey>& serialKeys() {
    static const std::vector<SerialKey> keys = {
        {kSpeedKey,
         [](const std::string& v, core::SerialLine& s) {
             int n = 0;
             return parseSpeed(v, n) && (s.speed = n, true);
         },
         speedComplaint()},
        {kDataBitsKey,
         [](const std::string& v, core::SerialLine& s) {
             int n = 0;
             return parseDataBits(v, n) && (s.dataBits = n, true);
         },
         "bits de dados inválidos %s (use 5, 6, 7 ou 8)"},
        {kParityKey,
         [](const std::string& v, core::SerialLine& s) {
             core::Parity p{};
             return parseParity(v, p) && (s.parity = p, true);
         },
         "paridade inválida %s (use nenhuma, par ou impar)"},
        {kStopBitsKey,
         [](const std::string& v, core::SerialLine& s) {
             int n = 0;
             return parseStopBits(v, n) && (s.stopBits = n, true);
         },
         "bits de parada inválidos %s (use 1 ou 2)"},
        {kFlowKey,
         [](const std::string& v, core::SerialLine& s) {
             core::FlowControl f{};
             return parseFlowControl(v, f) && (s.flowControl = f, true);
         },
         "controle de fluxo inválido %s (use nenhum, rts-cts ou xon-xoff)"},
    };
    return keys;
}

std::string complaint(const std::string& pattern, const std::string& value) {
    std::string text = pattern;
    text.replace(text.find("%s"), 2, quoted(value));
    return text;
}

// Reads the file line by line; the first fault ends the reading with its message.
class IniReader {
  public:
    explicit IniReader(std::string fileName) : fileName_(std::move(fileName)) {}

    bool read(const std::string& bytes, PortsTable& table) {
        std::size_t start = 0;
        while (start <= bytes.size()) {
            std::size_t end = bytes.find('\n', start);
            if (end == std::string::npos) {
                end = bytes.size();
            }
            ++lineNumber_;
            if (!readLine(trimmed(bytes.substr(start, end - start)))) {
                return false;
            }
            start = end + 1;
        }
        if (!closeSection()) {
            return false;
        }
        table = table_;
        return true;
    }

    const std::string& message() const { return message_; }

  private:
    bool fail(int line, const std::string& what) {
        // The file's bytes are shown escaped: a NUL or a Latin-1 letter in a key or a
        // value must not reach the message as it is.
        message_ = core::shownBytes("Arquivo de portas " + fileName_ + ", linha " +
                                    std::to_string(line) + ": " + what + ".");
        return false;
    }

    bool readLine(const std::string& line) {
        if (line.empty() || line[0] == ';' || line[0] == '#') {
            return true;
        }
        if (line.front() == '[') {
            return line.back() == ']' ? openSection(trimmed(line.substr(1, line.size() - 2)))
                                      : fail(lineNumber_, "linha não reconhecida " + quoted(line));
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            return fail(lineNumber_, "linha não reconhecida " + quoted(line));
        }
        if (section_.empty()) {
            return fail(lineNumber_,
                        "linha fora de uma porta (comece cada porta com [LPT1], "
                        "[LPT2], [COM1], [COM2], [COM3] ou [COM4])");
        }
        return readKey(lower(trimmed(line.substr(0, equals))), trimmed(line.substr(equals + 1)));
    }

    bool openSection(const std::string& written) {
        if (!closeSection()) {
            return false;
        }
        const std::string name = upper(written);
        if (!PortsTable::isPortName(name)) {
            return fail(lineNumber_, "porta desconhecida " + quoted(written) +
                                         " (use LPT1, LPT2, COM1, COM2, COM3 ou COM4)");
        }
        if (table_.find(name) != nullptr) {
            return fail(lineNumber_, "porta " + name + " repetida");
        }
        section_ = name;
        sectionLine_ = lineNumber_;
        destination_ = core::PortDestination{};
        hasDestination_ = false;
        firstSerialLine_ = 0;
        statusLine_ = 0;
        closingLine_ = 0;
        keysSeen_.clear();
        return true;
    }

    bool readKey(const std::string& key, const std::string& value) {
        if (std::find(keysSeen_.begin(), keysSeen_.end(), key) != keysSeen_.end()) {
            return fail(lineNumber_, "chave " + quoted(key) + " repetida na porta " + section_);
        }
        keysSeen_.push_back(key);
        if (key == kDestinationKey) {
            std::string reason;
            hasDestination_ = parse(value, destination_, reason) && namesDevice(reason);
            return hasDestination_ || fail(lineNumber_, quoted(value) + ": " + reason);
        }
        if (key == kStatusKey) {
            return readStatusCheck(value);
        }
        if (key == kClosingKey) {
            return readConfirmsByClosing(value);
        }
        for (const SerialKey& serial : serialKeys()) {
            if (key == serial.key) {
                firstSerialLine_ = firstSerialLine_ == 0 ? lineNumber_ : firstSerialLine_;
                return serial.read(value, destination_.serial) ||
                       fail(lineNumber_, complaint(serial.complaint, value));
            }
        }
        return fail(lineNumber_, "chave desconhecida " + quoted(key));
    }

    // A device destination is looked at when the file is read, so that a name that can
    // never be a printer port is reported with its line, not at the first row sent. A
    // Windows port name (COM1) names no file: the parser's rule is all there is to it.
    bool namesDevice(std::string& reason) const {
        if (destination_.kind != core::DestinationKind::Device || kThisSystem == System::Windows) {
            return true;
        }
        const core::PathKind kind = core::pathKindOf(destination_.target);
        switch (kind) {
            case core::PathKind::RegularFile:
            case core::PathKind::Folder:
            case core::PathKind::Fifo:
            case core::PathKind::BlockDevice:
            case core::PathKind::Socket:
            case core::PathKind::LinkLoop:
                reason = std::string("é ") + core::pathKindText(kind) +
                         ", não um dispositivo de caracteres (use um dispositivo como "
                         "/dev/ttyUSB0, tcp://ENDEREÇO[:PORTA] ou cups://FILA)";
                return false;
            default:
                return true;
        }
    }

    bool readStatusCheck(const std::string& value) {
        bool yes = false;
        if (!parseYesNo(value, yes)) {
            return fail(lineNumber_,
                        "consulta de estado inválida " + quoted(value) + " (use sim ou nao)");
        }
        destination_.statusCheck = yes;
        statusLine_ = lineNumber_;
        return true;
    }

    bool readConfirmsByClosing(const std::string& value) {
        if (!parseYesNo(value, destination_.confirmsByClosing)) {
            return fail(lineNumber_,
                        "confirma-fechando inválido " + quoted(value) + " (use sim ou nao)");
        }
        closingLine_ = lineNumber_;
        return true;
    }

    bool closeSection() {
        if (section_.empty()) {
            return true;
        }
        if (!hasDestination_) {
            return fail(sectionLine_, "porta " + section_ + " sem destino");
        }
        if (firstSerialLine_ != 0 && destination_.kind != core::DestinationKind::Device) {
            return fail(firstSerialLine_, "a configuração serial só vale para um dispositivo");
        }
        if (destination_.statusCheck.value_or(false) && !destination_.checksStatus()) {
            return fail(statusLine_,
                        "a consulta de estado não vale para uma fila de impressão nem para "
                        "uma porta paralela");
        }
        if (closingLine_ != 0 && destination_.kind != core::DestinationKind::Tcp) {
            return fail(closingLine_, "confirma-fechando só vale para uma impressora de rede");
        }
        table_.set(section_, destination_);
        section_.clear();
        return true;
    }

    std::string fileName_;
    std::string message_;
    PortsTable table_;
    int lineNumber_ = 0;
    std::string section_;
    int sectionLine_ = 0;
    core::PortDestination destination_;
    bool hasDestination_ = false;
    int firstSerialLine_ = 0;
    int statusLine_ = 0;
    int closingLine_ = 0;
    std::vector<std::string> keysSeen_;
};

}  // namespace

bool PortsTable::parse(const std::string& bytes, const std::string& fileName, PortsTable& table,
                       std::string& message) {
    IniReader reader(fileName);
    if (!reader.read(bytes, table)) {
        message = reader.message();
        return false;
    }
    message.clear();
    return true;
}

std::string PortsTable::text() const {
    std::string text =
        "; Rotulano: para onde vai cada porta. Porta sem entrada: o dispositivo de sempre.\n";
    for (const std::string& name : PrinterLists::portItems()) {
        const core::PortDestination* entry = find(name);
        if (entry == nullptr) {
            continue;
        }
        text += "\n[" + name + "]\n";
        for (const auto& [key, value] : keyValues(*entry)) {
            text += key + "=" + value + "\n";
        }
    }
    return text;
}

const std::vector<std::string>& PortsTable::keys() {
    static const std::vector<std::string> keys = {kDestinationKey, kSpeedKey,    kDataBitsKey,
                                                  kParityKey,      kStopBitsKey, kFlowKey,
                                                  kStatusKey,      kClosingKey};
    return keys;
}

std::vector<std::pair<std::string, std::string>> PortsTable::keyValues(
    const core::PortDestination& entry) {
    std::vector<std::pair<std::string, std::string>> values = {{kDestinationKey, entry.text}};
    const core::SerialLine& serial = entry.serial;
    if (serial.speed) {
        values.emplace_back(kSpeedKey, std::to_string(*serial.speed));
    }
    if (serial.dataBits) {
        values.emplace_back(kDataBitsKey, std::to_string(*serial.dataBits));
    }
    if (serial.parity) {
        values.emplace_back(kParityKey, parityText(*serial.parity));
    }
    if (serial.stopBits) {
        values.emplace_back(kStopBitsKey, std::to_string(*serial.stopBits));
    }
    if (serial.flowControl) {
        values.emplace_back(kFlowKey, flowControlText(*serial.flowControl));
    }
    if (entry.statusCheck) {
        values.emplace_back(kStatusKey, yesNoText(*entry.statusCheck));
    }
    if (!entry.confirmsByClosing) {
        values.emplace_back(kClosingKey, yesNoText(false));
    }
    return values;
}

const core::PortDestination* PortsTable::find(const std::string& portName) const {
    const auto entry = entries_.find(portName);
    return entry == entries_.end() ? nullptr : &entry->second;
}

void PortsTable::set(const std::string& portName, const core::PortDestination& destination) {
    entries_[portName] = destination;
}

void PortsTable::remove(const std::string& portName) {
    entries_.erase(portName);
}

bool PortsTable::isPortName(const std::string& name) {
    const std::vector<std::string> names = PrinterLists::portItems();
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace rotulano::config
