#include "window/Handlers.h"
#include "window/PrintJob.h"

namespace rotulano::window {

void onPrint(WindowContext& context) {
    PrintJob(context).run();
}

}  // namespace rotulano::window
