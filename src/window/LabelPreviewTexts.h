#pragma once

#include <QString>

#include "preview/RenderedLabel.h"
#include "window/LabelPreviewContent.h"

// The texts of the label preview CP21PRV in the interface language: Portuguese, or
// English. The warnings of the print job and of the label pictures are the program's
// messages and stay Portuguese, as every message does.
namespace rotulano::window::previewTexts {

QString windowTitle(bool portuguese);
QString closeCaption(bool portuguese);
QString zoomCaption(bool portuguese);
QString warningsCaption(bool portuguese);

// Why there is nothing to draw.
QString failure(const LabelPreviewContent& content, bool portuguese);

// The row, its label type, its labels and the labels of the whole job.
QString jobSummary(const LabelPreviewContent& content, bool portuguese);

// The name of label `index` of `count` that the row prints: the item label and the order
// summary label when there are two, numbered otherwise.
QString labelName(std::size_t index, std::size_t count, bool portuguese);

// The label's size in millimetres and in dots, its copies, labels across and whether
// the job ends it, after its name.
QString labelCaption(const QString& name, const preview::RenderedLabel& label, bool portuguese);

}  // namespace rotulano::window::previewTexts
