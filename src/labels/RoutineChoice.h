#pragma once

#include "labels/LabelOutput.h"

namespace rotulano::labels {

// The label routine for a printer model (1-based position in the model list: 5 or more
// are the Zebra models, printed in ZPL; below 5 the Datamax and Argox models, in DPL)
// and a label type code ("1" to "9", "A"). nullptr for any other code: nothing is
// printed for that item.
LabelRoutine chooseLabelRoutine(int model, char labelTypeCode);

}  // namespace rotulano::labels
