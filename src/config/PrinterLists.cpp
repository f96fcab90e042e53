#include "config/PrinterLists.h"

#include "core/FixedRecord.h"

namespace rotulano::config {

namespace {
constexpr int kFirstPort = 1;
constexpr int kLastPort = 6;
constexpr int kFirstSerialPort = 3;
constexpr char kFirstSpeed = 'A';
}  // namespace

std::vector<std::string> PrinterLists::modelItems() {
    return {"Datamax - ALEGRO", "Datamax - I-CLASS", "Datamax - PRODIGY",
            "RABBIT/ARGOX",     "Zebra - Genérico",  "Zebra - Z105/S"};
}

std::vector<std::string> PrinterLists::languageItems() {
    return {"Português", "English"};
}

std::vector<std::string> PrinterLists::portItems() {
    return {"LPT1", "LPT2", "COM1", "COM2", "COM3", "COM4"};
}

std::vector<std::string> PrinterLists::speedItems() {
    std::vector<std::string> items;
    for (int position = 1; position <= kSpeedCount; ++position) {
        items.emplace_back(1, speedLetter(position));
    }
    return items;
}

std::vector<std::string> PrinterLists::darknessItems(int model) {
    const int steps = core::PrinterModel(model).darknessSteps();
    std::vector<std::string> items;
    for (int darkness = 1; darkness <= steps; ++darkness) {
        items.push_back(core::zeroPadded(darkness, 3));
    }
    return items;
}

std::string PrinterLists::portName(int port) {
    if (port < kFirstPort || port > kLastPort) {
        return "NULL";
    }
    return portItems()[static_cast<std::size_t>(port - kFirstPort)];
}

std::string PrinterLists::serialPortName(int port) {
    return isSerialPort(port) ? "COM" + std::to_string(port - kFirstSerialPort + 1) : "";
}

bool PrinterLists::isSerialPortName(const std::string& name) {
    for (int port = kFirstSerialPort; port <= kLastPort; ++port) {
        if (name == serialPortName(port)) {
            return true;
        }
    }
    return false;
}

int PrinterLists::speedPosition(char letter) {
    const int position = letter - kFirstSpeed + 1;
    return position >= 1 && position <= kSpeedCount ? position : 1;
}

char PrinterLists::speedLetter(int position) {
    if (position < 2 || position > kSpeedCount) {
        return kFirstSpeed;
    }
    return static_cast<char>(kFirstSpeed + position - 1);
}

}  // namespace rotulano::config
