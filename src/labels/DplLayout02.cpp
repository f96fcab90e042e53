#include "labels/DplItemSlots.h"
#include "labels/DplLabel.h"
#include "labels/DplLayouts.h"
#include "labels/SizeRules.h"
#include "labels/SummaryRules.h"

// Small adhesives of the DPL printers.
namespace rotulano::labels {

namespace {
constexpr int kColumnPitch = 477;
const SummaryWords kSummaryWords{"Pedido: ", " S/Ref: ", " Qtd.: "};
const char* const kSummaryPrefix = "121100300500050";

// Where the small size goes: blanks before the value in its 5-character slot, and the
// record's column, for each length L (1 to 5) of the size's first five characters.
struct DplSmallSizePlacement {
    int leadingBlanks;
    const char* column;
};

DplSmallSizePlacement dplSmallSizePlacement(int length) {
    static constexpr DplSmallSizePlacement kTable[] = {
        {2, "0034"}, {1, "0029"}, {1, "0024"}, {1, "0014"}, {0, "0009"}};
    const int row = length < 1 ? 1 : (length > 5 ? 5 : length);
    return kTable[row - 1];
}

// Size, caption and box, left out of every column when the size is blank.
void appendSizeGroup(std::vector<DplRecord>& records, const DplItemSlots& slots) {
    if (sizeIsBlank(slots.size)) {
        return;
    }
    const DplSmallSizePlacement placement = dplSmallSizePlacement(smallSizeLength(slots.size));
    records.emplace_back(std::string("19110020005") + placement.column,
                         smallSizeSlot(slots.size, placement.leadingBlanks));
    records.emplace_back("111100100450015", slots.sizeCaption + " :");
    records.emplace_back("1X1100000050000", "B125065003003");
}

std::vector<DplRecord> adhesiveRecords(const DplItemSlots& slots) {
    std::vector<DplRecord> records;
    records.emplace_back("102200001700030", slots.codeLine);
    records.emplace_back("1f3305001150030", slots.barcode);
    records.emplace_back("191100100900030", slots.description);
    appendSizeGroup(records, slots);
    records.emplace_back("133200700000180", slots.price.integerPart);
    records.emplace_back("191100200400370", "," + slots.price.decimals);
    records.emplace_back("191100200400135", "R$");
    records.emplace_back("411100100000430", slots.side);
    return records;
}
}  // namespace

LabelOutput rotinaEtqDpl02(const core::LabelRequest& request) {
    DplLabelParts parts;
    parts.withSymbolSet = false;
    parts.records = adhesiveRecords(DplItemSlots::fromLine(request.line));
    parts.columnPitch = kColumnPitch;
    parts.summaryRecord = kSummaryPrefix + summaryText(request.line, kSummaryWords);
    return dplLabelOutput(request, parts);
}

}  // namespace rotulano::labels
