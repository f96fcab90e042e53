#pragma once

#include <ostream>

#include "rotulano-render/RenderCommand.h"
#include "rotulano-render/RenderOptions.h"

namespace rotulano::render {

// rotulano-render --history: the journal's jobs, newest first, with their rows, as text
// or CSV on `out`; --order keeps one order's (its number, zeros on the left optional).
// A journal that cannot be read ends the run with JournalUnread.
RenderExit historyRender(const RenderOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rotulano::render
