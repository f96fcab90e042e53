#include "labels/DplItemSlots.h"
#include "labels/DplLabel.h"
#include "labels/DplLayouts.h"

// Towel tags of the DPL printers.
namespace rotulano::labels {

namespace {
constexpr int kColumnPitch = 500;

std::vector<DplRecord> towelRecords(const DplItemSlots& slots) {
    std::vector<DplRecord> records;
    records.emplace_back("1Y1100004250175", "LOGOVRDL");
    records.emplace_back("102200003900075", slots.codeLine);
    records.emplace_back("1f3308003050070", slots.barcode);
    records.emplace_back("191100102700000", slots.complement);
    records.emplace_back("121100202400000", slots.description);
    records.emplace_back("191100301800410", "," + slots.price.decimals);
    records.emplace_back("162104801400130", slots.price.integerPart);
    records.emplace_back("191100401700000", "R$");
    records.emplace_back("1X1100005650000", "L500030");
    records.emplace_back("191100100700000", slots.footer);
    return records;
}
}  // namespace

LabelOutput rotinaEtqDpl08(const core::LabelRequest& request) {
    DplLabelParts parts;
    parts.logo = LogoPoint::BeforeNaming;
    parts.records = towelRecords(DplItemSlots::fromLine(request.line));
    parts.columnPitch = kColumnPitch;
    parts.summaryRecord = kDplSummaryPrefix + summaryText(request.line, kDplSummaryWords);
    return dplLabelOutput(request, parts);
}

}  // namespace rotulano::labels
