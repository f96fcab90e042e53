#pragma once

#include <string>

#include "core/LabelRequest.h"
#include "core/PrinterSettings.h"

namespace rotulano::printing {

// The label request of a row: its order line with the quantity written into positions
// 5-10 (the count's sign dropped, its 6 low-order digits kept) and the loaded order's
// number into 295-300. The supplier reference (78-93) keeps the order file's text.
core::LabelRequest rowRequest(const std::string& orderLine, long long quantity,
                              const std::string& orderNumber,
                              const core::PrinterSettings& settings);

}  // namespace rotulano::printing
