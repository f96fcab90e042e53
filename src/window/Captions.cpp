#include "window/Handlers.h"

namespace rotulano::window {

void onLanguageChanged(WindowContext&) {}

}  // namespace rotulano::window
