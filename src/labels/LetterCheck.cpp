#include "labels/LetterCheck.h"

#include <algorithm>

#include "labels/PrinterLetters.h"

namespace rotulano::labels {

namespace {
// What the letters without a printer byte become for the second build: a byte that the
// layouts treat as they treat "?", yet shows in the lines where "?" would stand.
constexpr char kMark = '#';
}  // namespace

// The layouts cut, pad and place fields in many ways; rather than knowing them all, the
// label is built again with those letters as kMark, and any difference between the two
// builds shows that one of them was printed.
LabelOutput withLetterCheck(LabelRoutine routine, const core::LabelRequest& request) {
    LabelOutput output = routine(request);
    std::string marked = request.line.bytes();
    if (std::none_of(marked.begin(), marked.end(), isUnprintableLetter)) {
        return output;
    }
    std::replace_if(marked.begin(), marked.end(), isUnprintableLetter, kMark);
    const core::LabelRequest markedRequest{core::OrderLine(marked), request.settings};
    output.unprintableLetters = routine(markedRequest).lines != output.lines;
    return output;
}

}  // namespace rotulano::labels
