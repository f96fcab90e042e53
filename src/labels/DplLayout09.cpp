#include "labels/CodeRules.h"
#include "labels/DplLabel.h"
#include "labels/DplLayouts.h"
#include "labels/TextRules.h"

// Pack labels of the DPL printers: order and article lines joined with "-".
namespace rotulano::labels {

namespace {
constexpr int kColumnPitch = 480;
constexpr char kGroupSeparator = '-';

std::vector<DplRecord> packRecords(const core::OrderLine& line) {
    const std::string packCode = line.get(core::pack::kPackCode);
    std::vector<DplRecord> records;
    records.emplace_back("1Y1100001450000", "LOGOVRDL");
    records.emplace_back("1d6308000000000", interleavedData(packCode));
    records.emplace_back("191100101650170",
                         packOrderLine(line.get(core::item::kOrderNumber), kGroupSeparator,
                                       line.get(core::pack::kPackSuffix)));
    records.emplace_back("191100101350170", packArticleLine(packCode, kGroupSeparator));
    records.emplace_back("191100100950000", textSlot(line.get(core::pack::kPackDescription), 30));
    return records;
}
}  // namespace

LabelOutput rotinaEtqDpl09(const core::LabelRequest& request) {
    DplLabelParts parts;
    parts.logo = LogoPoint::AfterNaming;
    parts.records = packRecords(request.line);
    parts.columnPitch = kColumnPitch;
    parts.summaryRecord = kDplSummaryPrefix + summaryText(request.line, kDplSummaryWords);
    return dplLabelOutput(request, parts);
}

}  // namespace rotulano::labels
