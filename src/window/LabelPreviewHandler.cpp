#include "window/Captions.h"
#include "window/Handlers.h"
#include "window/LabelPreviewContent.h"
#include "window/LabelPreviewWindow.h"

namespace rotulano::window {

void onPreview(WindowContext& context) {
    LabelPreviewWindow::open(context.controls.window, LabelPreviewContent::ofNextJob(context),
                             portugueseSelected(context.controls));
}

}  // namespace rotulano::window
