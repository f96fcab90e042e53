#include "window/Handlers.h"

namespace rotulano::window {

void subProcuraArquivo(WindowContext&) {}

}  // namespace rotulano::window
