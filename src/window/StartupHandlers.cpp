#include "window/Handlers.h"

namespace rotulano::window {

void onFormOpened(WindowContext&) {}
void onFormClosed(WindowContext&) {}

}  // namespace rotulano::window
