#pragma once

#include <string>
#include <vector>

#include "core/PortDestination.h"

namespace rotulano::config {

// The written forms of a port's destination and of its serial line settings, read and
// written in one place so that the ports file, the Portas window and rotulano-render's
// --port agree:
//   /dev/ttyUSB0              a character device, or a link to one (Linux)
//   COM1-COM256, LPT1-LPT3    a serial or parallel port, in any case (Windows)
//   tcp://HOST[:PORT]         raw TCP, port 9100 by default ([::1]:9100 for IPv6)
//   cups://QUEUE              a raw job in the system's print queue (Linux)
//   spooler://PRINTER         a raw job for a printer of the Windows spooler, named as
//                             Windows shows it (Windows; the way to a USB printer there)
// A form of the other system is refused with what this one takes.
// Serial values: speed in bits per second, data bits 5-8, parity "nenhuma", "par" or
// "impar", stop bits 1 or 2, flow control "nenhum", "rts-cts" or "xon-xoff".
namespace destinationText {

// The systems whose destinations differ: their devices and their print queues.
enum class System { Linux, Windows };
#ifdef _WIN32
inline constexpr System kThisSystem = System::Windows;
#else
inline constexpr System kThisSystem = System::Linux;
#endif

// Reads `text` into `destination` (kind, target, TCP port; serial left alone) as `system`
// takes it. False, with what is wrong in `reason`, when it is none of that system's forms
// above. A Windows port's target is its name in upper case ("COM1").
bool parse(System system, const std::string& text, core::PortDestination& destination,
           std::string& reason);
// As this system takes it.
inline bool parse(const std::string& text, core::PortDestination& destination,
                  std::string& reason) {
    return parse(kThisSystem, text, destination, reason);
}

bool parseSpeed(const std::string& text, int& speed);
bool parseDataBits(const std::string& text, int& bits);
bool parseParity(const std::string& text, core::Parity& parity);
bool parseStopBits(const std::string& text, int& bits);
bool parseFlowControl(const std::string& text, core::FlowControl& flow);

// The speeds a serial line may be given, slowest first: the one table that the ports file,
// the Portas window and the line set-up use. Any other speed is refused.
const std::vector<int>& serialSpeeds();
bool isSerialSpeed(int speed);

// "sim" or "nao" ("não" read too), for the yes-or-no keys of the ports file.
bool parseYesNo(const std::string& text, bool& yes);
std::string yesNoText(bool yes);

std::string parityText(core::Parity parity);
std::string flowControlText(core::FlowControl flow);

}  // namespace destinationText

}  // namespace rotulano::config
