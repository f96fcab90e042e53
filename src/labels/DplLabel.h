#pragma once

#include <string>
#include <vector>

#include "core/LabelRequest.h"
#include "labels/DplRecord.h"
#include "labels/LabelOutput.h"
#include "labels/SummaryRules.h"

// Puts a DPL layout's records together into the lines of its print file.
namespace rotulano::labels {

// The most copies one DPL "Q" command carries (4 digits, which every Datamax and Argox
// model reads).
inline constexpr long long kDplMaxCopiesPerFormat = 9999;

// The order summary label of most DPL layouts: its record prefix and its words ("Qtd:"
// without the point of the ZPL labels).
inline constexpr const char* kDplSummaryPrefix = "131100200300020";
inline constexpr SummaryWords kDplSummaryWords{"Pedido: ", " S/Ref: ", " Qtd: "};

// What a DPL layout has filled for one item.
struct DplLabelParts {
    LogoPoint logo = LogoPoint::None;
    bool withSymbolSet = true;
    std::vector<DplRecord> records;  // the first column's records, in write order
    int columns = 2;
    int columnPitch = 0;  // tenths of a millimetre between columns
    std::string summaryRecord;
};

// The copies of one label format in write order: one count when it fits in 4 digits,
// otherwise full batches of 9999 and the rest, so that a large quantity is never cut to
// its low-order digits. No copies at all still gives one "Q0000" format.
std::vector<long long> dplCopyBatches(long long copies);

// The whole print file: system commands, then per batch of copies the label format with
// every column's records, "Q" and "E", then the order summary label with one copy.
LabelOutput dplLabelOutput(const core::LabelRequest& request, const DplLabelParts& parts);

}  // namespace rotulano::labels
