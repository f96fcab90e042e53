#pragma once

#include <string>

#include "core/LabelRequest.h"
#include "printing/ChannelResult.h"
#include "printing/LabelJob.h"

namespace rotulano::printing {

// The one path from a ticked grid row to the bytes on the port, shared by the window's
// print job and the command-line renderer.

// The label request of a row: its order line with the quantity written into positions
// 5-10 (the count's sign dropped, its 6 low-order digits kept) and the loaded order's
// number into 295-300. The supplier reference (78-93) keeps the order file's text.
core::LabelRequest rowRequest(const std::string& orderLine, long long quantity,
                              const std::string& orderNumber,
                              const core::PrinterSettings& settings);

// What printing one row did.
struct RowJobResult {
    bool hasRoutine = false;  // the label code has a layout; otherwise nothing was sent
    ChannelResult channel;
};

// Prints the labels of one row: the routine chosen by the saved printer model and the
// row's label code, its lines through the label-job frame (logo download included).
RowJobResult printRow(LabelJob& job, const core::LabelRequest& request);

}  // namespace rotulano::printing
