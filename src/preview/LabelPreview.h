#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "preview/PreviewLabel.h"
#include "preview/PreviewResources.h"
#include "preview/RenderedLabel.h"

// The label preview: draws the exact bytes that a print job sends (logo download, then
// the label file, CR LF between lines) as the printer will print them, at 8 dots per
// millimetre, errors included. Works headless; needs a QGuiApplication for its fonts.
namespace rotulano::preview {

// ZPL or DPL, from the first command of the job (DPL starts with STX or SOH).
PrinterLanguage detectLanguage(const std::string& bytes);

// The labels that the job prints, in order, with their marks, copies and labels across.
// Nothing that the bytes hold can make it fail: what the printer would not print as
// intended is named in each label's warnings.
std::vector<PreviewLabel> parseJob(const std::string& bytes,
                                   const PreviewResources& resources = {});

// One label as a picture: one pixel per dot, white stock, black marks.
QImage renderLabel(const PreviewLabel& label);

// parseJob and renderLabel for every label of the job.
std::vector<RenderedLabel> renderJob(const std::string& bytes,
                                     const PreviewResources& resources = {});

}  // namespace rotulano::preview
