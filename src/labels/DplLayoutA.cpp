#include "labels/CodeRules.h"
#include "labels/DplLabel.h"
#include "labels/DplLayouts.h"
#include "labels/TextRules.h"

// Internal labels of the DPL printers: six narrow labels across, turned by 270 degrees.
namespace rotulano::labels {

namespace {
constexpr int kColumns = 6;
constexpr int kColumnPitch = 160;
constexpr std::size_t kShortDescriptionWidth = 11;
const SummaryWords kSummaryWords{"Ped: ", " S/Rf: ", "  Qtd: "};

// The small rotated line: first text, "/", third text, one blank, second text.
std::string internalTextLine(const core::OrderLine& line) {
    namespace internal = core::internal;
    return textSlot(line.get(internal::kInternalText1), 8) + "/" +
           textSlot(line.get(internal::kInternalText3), 8) + " " +
           textSlot(line.get(internal::kInternalText2), 9);
}

std::vector<DplRecord> internalRecords(const core::OrderLine& line) {
    const std::string productCode = line.get(core::item::kProductCode);
    std::vector<DplRecord> records;
    records.emplace_back("4f3305000150075", ean13Data(productCode));
    records.emplace_back("491100100150020", internalTextLine(line));
    records.emplace_back("421100100150105",
                         textSlot(line.get(core::internal::kDescription), kShortDescriptionWidth));
    records.emplace_back("421100102000105", internalCodeText(productCode));
    return records;
}
}  // namespace

LabelOutput rotinaEtqDplA(const core::LabelRequest& request) {
    DplLabelParts parts;
    parts.records = internalRecords(request.line);
    parts.columns = kColumns;
    parts.columnPitch = kColumnPitch;
    parts.summaryRecord = kDplSummaryPrefix + summaryText(request.line, kSummaryWords);
    return dplLabelOutput(request, parts);
}

}  // namespace rotulano::labels
