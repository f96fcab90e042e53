#include "preview/AcrossCounter.h"

namespace rotulano::preview {

int AcrossCounter::count(const std::vector<LabelElement>& elements) {
    const std::size_t total = elements.size();
    for (std::size_t group = 1; group <= total / 2; ++group) {
        if (total % group == 0 && repeatsEvery(elements, group)) {
            return static_cast<int>(total / group);
        }
    }
    return 1;
}

bool AcrossCounter::repeatsEvery(const std::vector<LabelElement>& elements, std::size_t group) {
    const int pitch = elements[group].box.x() - elements[0].box.x();
    if (pitch <= 0) {
        return false;
    }
    for (std::size_t i = group; i < elements.size(); ++i) {
        const LabelElement& mark = elements[i];
        const LabelElement& previous = elements[i - group];
        if (mark.box.x() - previous.box.x() != pitch || !mark.sameMarkAs(previous)) {
            return false;
        }
    }
    return true;
}

}  // namespace rotulano::preview
