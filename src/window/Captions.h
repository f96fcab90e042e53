#pragma once

#include "window/WindowContext.h"

namespace rotulano::window {

// Portuguese is the interface language when W-PRMLINGUA's selection is 1; any other
// selection, none included, means English.
bool portugueseSelected(const Controls& controls);

// Labels the second margin by the model selected in W-PRMTIPOIMP: the bottom margin for
// the DPL models (positions below 5), the top margin for the ZPL models, in the language
// selected in W-PRMLINGUA.
void applySecondMarginCaption(WindowContext& context);

}  // namespace rotulano::window
