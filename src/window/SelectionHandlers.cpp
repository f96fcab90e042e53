#include "window/Handlers.h"

namespace rotulano::window {

void onGridClicked(WindowContext&) {}
void subTestaSelecao(WindowContext&) {}

}  // namespace rotulano::window
