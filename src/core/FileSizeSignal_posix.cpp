#include "core/FileSizeSignal.h"

#include <csignal>

namespace rotulano::core {

void ignoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace rotulano::core
