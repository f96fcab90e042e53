// Arbitrary settings and order lines through every ZPL and DPL label layout: the first
// 146 bytes are the settings record, the next 300 the order line (both padded with blanks
// when short); a byte after them, when there is one, replaces the line's label type code.
// The layout runs as the print job picks it for each printer model 1 to 6, and every
// layout runs directly on the same request. Properties checked:
//   - a routine is chosen for exactly the ten label type codes;
//   - no command line holds a line end, so each command stays one print file record;
//   - no data byte becomes printer syntax: the command bytes of the output ("^" and "~"
//     in ZPL, control bytes in both languages) are those of the same request whose data
//     hold no such bytes, so that order data can never end a field or start a command.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "core/LabelRequest.h"
#include "labels/DplLayouts.h"
#include "labels/RoutineChoice.h"
#include "labels/ZplLayouts.h"

namespace {

using rotulano::fuzz::require;
namespace core = rotulano::core;
namespace labels = rotulano::labels;

const std::string kCodes = "123456789A";

bool isControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

bool isCommandByte(char c, bool zpl) {
    return isControl(c) || (zpl && (c == '^' || c == '~'));
}

// The request with every command byte of its data replaced by `stand`.
core::LabelRequest withoutCommandBytes(const core::LabelRequest& request, bool zpl, char stand) {
    auto clean = [&](std::string bytes) {
        std::replace_if(
            bytes.begin(), bytes.end(), [&](char c) { return isCommandByte(c, zpl); }, stand);
        return bytes;
    };
    return {core::OrderLine(clean(request.line.bytes())),
            core::PrinterSettings(clean(request.settings.record()))};
}

long long commandBytes(const labels::LabelOutput& output, bool zpl) {
    long long count = 0;
    for (const std::string& line : output.lines) {
        count +=
            std::count_if(line.begin(), line.end(), [&](char c) { return isCommandByte(c, zpl); });
    }
    return count;
}

void checkOutput(labels::LabelRoutine routine, const core::LabelRequest& request, bool zpl) {
    const labels::LabelOutput output = routine(request);
    require(!output.lines.empty(), "a layout wrote no command", request.line.bytes());
    for (const std::string& line : output.lines) {
        require(line.find_first_of("\r\n") == std::string::npos, "line end inside a command", line);
    }
    const long long own = commandBytes(output, zpl);
    // Data bytes that turn into blanks and data bytes kept as other text may change which
    // optional commands a layout writes (a blank size drops the size box): either reading
    // of the clean request must give the same command bytes.
    const long long asBlanks = commandBytes(routine(withoutCommandBytes(request, zpl, ' ')), zpl);
    const long long asText = commandBytes(routine(withoutCommandBytes(request, zpl, 'X')), zpl);
    require(own == asBlanks || own == asText, "data bytes became printer commands",
            request.line.bytes() + "|" + request.settings.record());
}

void checkChoice(core::LabelRequest request, char code) {
    std::string line = request.line.bytes();
    line[1] = code;
    request.line = core::OrderLine(line);
    for (int model = 1; model <= 6; ++model) {
        const labels::LabelRoutine routine = labels::chooseLabelRoutine(model, code);
        const bool known = kCodes.find(code) != std::string::npos;
        require((routine != nullptr) == known, "routine chosen for the wrong codes");
        if (routine != nullptr) {
            request.settings = core::PrinterSettings(request.settings.record());
            checkOutput(routine, request, model >= 5);
        }
    }
}

constexpr labels::LabelRoutine kZplRoutines[] = {labels::rotinaEtqZpl01, labels::rotinaEtqZpl02,
                                                 labels::rotinaEtqZpl08, labels::rotinaEtqZpl09,
                                                 labels::rotinaEtqZplA};
constexpr labels::LabelRoutine kDplRoutines[] = {labels::rotinaEtqDpl01, labels::rotinaEtqDpl02,
                                                 labels::rotinaEtqDpl08, labels::rotinaEtqDpl09,
                                                 labels::rotinaEtqDplA};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string rest = rotulano::fuzz::bytesOf(data, size);
    const std::string settings = rotulano::fuzz::take(rest, core::PrinterSettings::kLength);
    const std::string line = rotulano::fuzz::take(rest, core::OrderLine::kLength);
    const core::LabelRequest request{core::OrderLine(line), core::PrinterSettings(settings)};

    checkChoice(request, rest.empty() ? request.line.labelTypeCode() : rest[0]);
    for (const labels::LabelRoutine routine : kZplRoutines) {
        checkOutput(routine, request, true);
    }
    for (const labels::LabelRoutine routine : kDplRoutines) {
        checkOutput(routine, request, false);
    }
    return 0;
}
