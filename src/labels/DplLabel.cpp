#include "labels/DplLabel.h"

#include "core/FixedRecord.h"
#include "labels/CopyRules.h"
#include "labels/DplHeader.h"

namespace rotulano::labels {

namespace {
void appendColumns(std::vector<std::string>& lines, const DplLabelParts& parts) {
    for (int column = 0; column < parts.columns; ++column) {
        for (const DplRecord& record : parts.records) {
            lines.push_back(record.line(column * parts.columnPitch));
        }
    }
}

void appendSummaryLabel(std::vector<std::string>& lines, const std::string& summaryRecord) {
    appendDplSummaryFormatLines(lines);
    lines.push_back(summaryRecord);
    lines.push_back("Q0001");
    lines.push_back("E");
}
}  // namespace

std::vector<long long> dplCopyBatches(long long copies) {
    std::vector<long long> batches;
    while (copies > kDplMaxCopiesPerFormat) {
        batches.push_back(kDplMaxCopiesPerFormat);
        copies -= kDplMaxCopiesPerFormat;
    }
    batches.push_back(copies < 0 ? 0 : copies);
    return batches;
}

LabelOutput dplLabelOutput(const core::LabelRequest& request, const DplLabelParts& parts) {
    const long long quantity = labelQuantity(request.line.get(core::item::kQuantity));
    const std::vector<long long> batches = dplCopyBatches(copiesFor(quantity, parts.columns));
    LabelOutput output;
    output.logo = parts.logo;
    std::vector<std::string>& lines = output.lines;
    lines.reserve(16 + batches.size() * (9 + parts.records.size() * parts.columns));
    appendDplSystemLines(lines, request.settings, parts.withSymbolSet);
    for (long long copies : batches) {
        appendDplFormatLines(lines, request.settings);
        appendColumns(lines, parts);
        lines.push_back("Q" + core::zeroPadded(copies, 4));
        lines.push_back("E");
    }
    appendSummaryLabel(lines, parts.summaryRecord);
    return output;
}

}  // namespace rotulano::labels
