#include "printing/PortKind.h"

namespace rotulano::printing::portKind {

bool isTerminal(PortKind kind) {
    return kind == PortKind::Serial || kind == PortKind::PseudoTerminal;
}

}  // namespace rotulano::printing::portKind
