#pragma once

#include "printing/PrintEngine.h"
#include "window/MessageBoxService.h"

namespace rotulano::window {

// The box of a printer that is not ready, asked before a row: what is wrong (Portuguese,
// as every message) and "Tentar novamente", "Imprimir assim mesmo" and "Cancelar" in the
// interface language. Returns the operator's choice; a box closed without one cancels.
printing::StatusChoice askStatusChoice(MessageBoxService& messageBox,
                                       const printing::StatusCheck& check, bool portuguese);

}  // namespace rotulano::window
