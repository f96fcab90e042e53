// Arbitrary bytes as an order file: read and checked as the loader does, each item turned
// into its grid row and shown through the column pictures. Properties checked:
//   - the same lines come out whether the bytes are read from memory or from a file;
//   - every item kept is one of the file's item lines, 300 bytes, in file order, and an
//     order never holds more than the grid's 999 rows;
//   - every numeric cell fits its column picture.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "core/FixedRecord.h"
#include "core/GuardedFile.h"
#include "core/OrderLine.h"
#include "core/Picture.h"
#include "orders/ItemRow.h"
#include "orders/ItemTable.h"
#include "orders/LineReader.h"
#include "orders/OrderFileReader.h"

namespace {

using rotulano::fuzz::require;
namespace core = rotulano::core;
namespace orders = rotulano::orders;

std::vector<std::string> linesOf(orders::LineReader& reader) {
    std::vector<std::string> lines;
    std::string line;
    while (reader.next(line) == orders::LineReader::Result::Line) {
        require(line.size() <= orders::LineReader::kMaxKept, "line longer than 300 bytes kept",
                line);
        lines.push_back(line);
    }
    return lines;
}

// The lines of a file read through the guarded reader must be the lines of the same
// bytes in memory. The file is the run's own scratch file.
void checkFileReadingMatches(const std::string& bytes, const std::vector<std::string>& lines) {
    rotulano::fuzz::writeScratch(bytes);
    const std::string& path = rotulano::fuzz::scratchFile();
    core::GuardedFile file;
    require(file.open(path) == core::kStatusOk, "guarded reader refuses a regular file");
    orders::LineReader reader(file);
    const std::vector<std::string> fromFile = linesOf(reader);
    file.close();
    require(fromFile == lines, "file and memory reading disagree", bytes);
}

// Items are the item lines after the header, padded to 300 bytes, in file order, up to
// the line where the load stopped.
void checkItemsAreItemLines(const orders::OrderLoad& load, const std::vector<std::string>& lines) {
    require(load.items.size() <= static_cast<std::size_t>(orders::kMaxItems), "too many items");
    std::size_t next = 0;
    for (std::size_t i = 1; i < lines.size() && next < load.items.size(); ++i) {
        const core::OrderLine line(lines[i]);
        if (line.bytes()[0] == '1') {
            require(load.items[next] == line.bytes(), "item differs from its line", lines[i]);
            ++next;
        }
    }
    require(next == load.items.size(), "item kept that is no line of the file");
    if (load.outcome == orders::LoadOutcome::Loaded) {
        require(load.headerShown && !load.items.empty(), "load without header or items");
    }
}

void checkCells(const orders::ItemRow& row) {
    require(row.record().size() == core::OrderLine::kLength, "grid record not 300 bytes");
    for (int column = orders::kColSel; column <= orders::kColumnCount; ++column) {
        const orders::CellValue& cell = row.cell(column);
        if (!cell.isNumber) {
            continue;
        }
        require(cell.units >= 0, "negative cell value");
        const std::string picture = orders::kColumnDesign[column - 1].picture;
        if (!picture.empty() && picture[0] != 'X') {
            const std::string shown = core::formatNumber(picture, cell.units, cell.decimals);
            require(shown.size() == core::expandPicture(picture).size(),
                    "cell does not fit its picture", shown);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = rotulano::fuzz::bytesOf(data, size);
    orders::LineReader memory(bytes);
    const std::vector<std::string> lines = linesOf(memory);
    checkFileReadingMatches(bytes, lines);

    const orders::OrderLoad load = orders::OrderFileReader::readBytes(bytes);
    checkItemsAreItemLines(load, lines);
    int number = 0;
    for (const std::string& item : load.items) {
        ++number;
        checkCells(orders::ItemRow(item, number, 1 + number % 2));
    }
    return 0;
}
