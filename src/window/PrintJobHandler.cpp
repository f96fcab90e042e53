#include "window/Handlers.h"

namespace rotulano::window {

void onPrint(WindowContext&) {}

}  // namespace rotulano::window
