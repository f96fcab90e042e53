#pragma once

#include "core/LabelRequest.h"
#include "labels/LabelOutput.h"

// The label layouts of the Zebra printers. Each one turns the print job's request into
// the ZPL command lines of the item label, in every column of the stock, and of its
// order summary label. Same request, same lines: nothing is kept between calls.
namespace rotulano::labels {

// Tags (code "1") and large adhesives (code "3"), with the logo, and the offer and
// announcement labels (codes "4" to "7"), with or without the old price.
LabelOutput rotinaEtqZpl01(const core::LabelRequest& request);

// Small adhesives (code "2").
LabelOutput rotinaEtqZpl02(const core::LabelRequest& request);

// Towel tags (code "8"), with the logo, which is sent before the print file is named.
LabelOutput rotinaEtqZpl08(const core::LabelRequest& request);

// Pack labels (code "9"), with the logo and an Interleaved 2 of 5 bar code.
LabelOutput rotinaEtqZpl09(const core::LabelRequest& request);

// Internal labels (code "A"), six across, turned by 270 degrees.
LabelOutput rotinaEtqZplA(const core::LabelRequest& request);

}  // namespace rotulano::labels
