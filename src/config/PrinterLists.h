#pragma once

#include <string>
#include <vector>

#include "core/PrinterModel.h"

namespace rotulano::config {

// The fixed lists of the "Configuração" page and what each 1-based position means. The
// settings record stores positions, so the order of every list is part of its format.
// Item texts are UTF-8, as the window shows them.
class PrinterLists {
  public:
    static constexpr int kSpeedCount = 19;

    // W-PRMTIPOIMP: the Datamax and Argox models (DPL), then the Zebra models (ZPL).
    static std::vector<std::string> modelItems();
    // W-PRMLINGUA: Portuguese, English.
    static std::vector<std::string> languageItems();
    // W-PRMPORTAIMP: "LPT1", "LPT2", "COM1" to "COM4".
    static std::vector<std::string> portItems();
    // W-PRMVEL: the letters "A" to "S".
    static std::vector<std::string> speedItems();
    // W-PRMTEMP: "001" up to "015" for the DPL models, up to "030" for the ZPL ones.
    static std::vector<std::string> darknessItems(int model);

    // PortDeviceName: the port a label job sends to, "NULL" outside positions 1 to 6.
    static std::string portName(int port);
    static bool isSerialPort(int port) { return port >= 3 && port <= 6; }
    // LPT1, LPT2, COM1 to COM4: the ports a print job prints to.
    static bool isListedPort(int port) { return port >= 1 && port <= 6; }
    // "COM1" to "COM4" for positions 3 to 6; empty for the others.
    static std::string serialPortName(int port);
    // True for the names serialPortName gives: the one test of "is this a COM port".
    static bool isSerialPortName(const std::string& name);

    // The speed list position of a stored letter: "A" 1 to "S" 19, anything else 1.
    static int speedPosition(char letter);
    // The letter saved for a speed list position: 2 "B" to 19 "S", anything else "A".
    static char speedLetter(int position);
};

}  // namespace rotulano::config
