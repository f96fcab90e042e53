#pragma once

#include "core/Platform.h"
#include "window/Controls.h"
#include "window/FileDialogService.h"
#include "window/MessageBoxService.h"
#include "window/Session.h"

namespace rotulano::window {

class QtTranslation;

// What every handler works on: the window's controls, the shared records and the
// services that talk to the operator and to the operating system.
struct WindowContext {
    Controls& controls;
    Session& session;
    MessageBoxService& messageBox;
    FileDialogService& fileDialog;
    core::Platform& platform;
    QtTranslation* qtTexts = nullptr;  // Qt's own texts; none: Qt's English
};

}  // namespace rotulano::window
