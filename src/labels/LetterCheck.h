#pragma once

#include "core/LabelRequest.h"
#include "labels/LabelOutput.h"

namespace rotulano::labels {

// The label of `routine` for `request`, telling whether a letter of the order printed as
// "?" because the printer has no byte for it (LabelOutput::unprintableLetters). Only
// the letters that reach a printed line count: a layout that cuts a field off before
// such a letter prints every letter as it should.
LabelOutput withLetterCheck(LabelRoutine routine, const core::LabelRequest& request);

}  // namespace rotulano::labels
