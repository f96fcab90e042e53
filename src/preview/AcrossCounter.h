#pragma once

#include <vector>

#include "preview/LabelElement.h"

namespace rotulano::preview {

// How many labels stand side by side on the stock, read from the marks themselves: the
// layouts write the marks of the first label and then the same marks again for every
// further label, moved to the right by the same pitch.
class AcrossCounter {
  public:
    // The number of such repetitions, 1 when the marks do not repeat.
    static int count(const std::vector<LabelElement>& elements);

  private:
    static bool repeatsEvery(const std::vector<LabelElement>& elements, std::size_t group);
};

}  // namespace rotulano::preview
