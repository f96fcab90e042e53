#include "window/Messages.h"

namespace rotulano::window {

void rotinaMsg(WindowContext&) {}
void rotinaStatus(WindowContext&) {}

}  // namespace rotulano::window
