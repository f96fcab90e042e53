#pragma once

#include "window/WindowContext.h"

namespace rotulano::window {

// ROTINA-MSG: shows the text of the shared MessageRequest (default style information,
// default title "Mensagem do Sistema"), stores the answer and clears the request.
void rotinaMsg(WindowContext& context);

// ROTINA-STATUS: shows the status frame "Status [xx] " + StatusFileLabel with the
// meaning of FileStatus as title (default style error), then clears type and title.
void rotinaStatus(WindowContext& context);

}  // namespace rotulano::window
