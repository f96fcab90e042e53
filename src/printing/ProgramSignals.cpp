#include <csignal>

#include "printing/ProgramSignals.h"

namespace rotulano::printing {

std::string ProgramSignals::name(int signal) {
    switch (signal) {
        case SIGTERM:
            return "SIGTERM";
        case kHangUp:
            return "SIGHUP";
        case SIGINT:
            return "SIGINT";
        default:
            return "sinal " + std::to_string(signal);
    }
}

}  // namespace rotulano::printing
