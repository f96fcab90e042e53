#include "window/Handlers.h"

namespace rotulano::window {

void onOrderPathChanged(WindowContext&) {}

}  // namespace rotulano::window
