#include "window/Handlers.h"

namespace rotulano::window {

void subLeArqprm(WindowContext&) {}
void subGravaArqprm(WindowContext&) {}
void onSaveSettings(WindowContext&) {}

}  // namespace rotulano::window
