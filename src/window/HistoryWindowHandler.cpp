#include "config/ParameterFile.h"
#include "journal/Journal.h"
#include "window/Captions.h"
#include "window/Handlers.h"
#include "window/HistoryWindow.h"

namespace rotulano::window {

// The journal the window's print jobs keep, beside the settings file.
void onHistory(WindowContext& context) {
    HistoryWindow::open(
        context.controls.window, journal::journalBesideSettings(config::ParameterFile::kFileName),
        portugueseSelected(context.controls), {context.messageBox, context.fileDialog});
}

}  // namespace rotulano::window
