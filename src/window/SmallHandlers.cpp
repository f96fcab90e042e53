#include "window/Handlers.h"

namespace rotulano::window {

void onSettingChanged(WindowContext&) {}
void onPrinterModelChanged(WindowContext&) {}
void onMenuPrint(WindowContext&) {}
void onMenuConfigure(WindowContext&) {}
void onMenuAbout(WindowContext&) {}
void onExit(WindowContext&) {}

}  // namespace rotulano::window
