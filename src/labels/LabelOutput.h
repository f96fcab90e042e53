#pragma once

#include <string>
#include <vector>

#include "core/LabelRequest.h"

namespace rotulano::labels {

// Where a layout needs the logo download in its job: none, before its print file is
// named (towel tags), or after (tags, large adhesives, packs).
enum class LogoPoint { None, BeforeNaming, AfterNaming };

// What a label routine produces: the command lines of the item label and of the order
// summary label, in write order and without line ends (the print file adds CR LF after
// each), whether the job must send the logo first, and whether a letter of the order
// printed as "?" because the printer has no byte for it.
struct LabelOutput {
    LogoPoint logo = LogoPoint::None;
    std::vector<std::string> lines;
    bool unprintableLetters = false;
};

// A label layout: a pure function of the request.
using LabelRoutine = LabelOutput (*)(const core::LabelRequest&);

}  // namespace rotulano::labels
