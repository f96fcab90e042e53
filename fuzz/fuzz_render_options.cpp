// Arbitrary command lines for rotulano-render: the bytes split at NUL into arguments.
// Properties checked:
//   - every argument list is either accepted with an order file named, or refused with a
//     reason (help excepted);
//   - reading is pure: the same arguments give the same outcome;
//   - a row list that is accepted resolves, for an order of any size, to rows in grid
//     order, each once, or is refused with a reason.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "rotulano-render/RenderOptions.h"
#include "rotulano-render/RowSelection.h"

namespace {

using rotulano::fuzz::require;
namespace render = rotulano::render;

std::vector<std::string> argumentsOf(const std::string& bytes) {
    std::vector<std::string> arguments;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        const std::size_t end = std::min(bytes.find('\0', start), bytes.size());
        arguments.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return arguments;
}

void checkRows(const render::RowSelection& rows, int rowCount) {
    std::vector<int> resolved;
    std::string error;
    if (!rows.resolve(rowCount, resolved, error)) {
        require(!error.empty(), "rows refused without a reason");
        return;
    }
    for (std::size_t i = 0; i < resolved.size(); ++i) {
        require(resolved[i] >= 1 && resolved[i] <= rowCount, "row outside the order");
        require(i == 0 || resolved[i - 1] < resolved[i], "rows out of grid order or twice");
    }
    require(!rows.isAll() || static_cast<int>(resolved.size()) == rowCount,
            "every row asked for, not every row given");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = rotulano::fuzz::bytesOf(data, size);
    const std::vector<std::string> arguments = argumentsOf(bytes);
    const render::ParsedOptions parsed = render::parseRenderOptions(arguments);
    const render::ParsedOptions again = render::parseRenderOptions(arguments);
    require(parsed.error == again.error && parsed.options.orderPath == again.options.orderPath,
            "the same command line read twice differs", bytes);
    if (parsed.ok() && !parsed.options.help) {
        require(!parsed.options.orderPath.empty(), "accepted without an order file", bytes);
    }
    if (parsed.ok()) {
        for (const int rowCount : {0, 1, 7, 999}) {
            checkRows(parsed.options.rows, rowCount);
        }
    }
    render::RowSelection rows;
    std::string error;
    if (render::RowSelection::parse(bytes, rows, error)) {
        checkRows(rows, 999);
    } else {
        require(!error.empty(), "row list refused without a reason", bytes);
    }
    return 0;
}
