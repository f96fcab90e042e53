#pragma once

#include <chrono>
#include <string>

#include "printing/JobSink.h"

// The texts the operator gets when the printer, asked before a row, is not ready: in the
// box of the print job and the Portas window, and on rotulano-render's error output.
namespace rotulano::printing::printerStatusMessages {

// What the printer of the check's port said or did not say, e.g. "A impressora da porta
// LPT1 (tcp://10.0.0.7:9100) está sem etiquetas ou com falha no papel e em pausa."
std::string text(const StatusCheck& check);

// The title of the box.
std::string title();

}  // namespace rotulano::printing::printerStatusMessages
