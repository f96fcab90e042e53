#pragma once

#include <ostream>

#include "rotulano-render/RenderCommand.h"
#include "rotulano-render/RenderOptions.h"

namespace rotulano::render {

// rotulano-render --send: the chosen rows go through the print job's engine and the
// destinations of the ports file, as the window prints them, without its boxes: the
// saved port (or --port), one progress line per row on `err`, the pause after each item
// ignored. The first row that fails ends the job with the window's message. A printer
// whose status check is on is asked before each row (unless --no-status); one that is not
// ready ends the job there with its message and status 6.
RenderExit sendRender(const RenderOptions& options, std::ostream& err);

}  // namespace rotulano::render
