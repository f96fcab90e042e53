#pragma once

#include <string>
#include <vector>

#include "rotulano-render/RenderJob.h"

namespace rotulano::render {

// Draws every label of a rendered job with the label preview and saves each one as a
// PNG picture in `directory` (made when missing): per row, its item label
// "linha-NNN-etiqueta.png" and its order summary label "linha-NNN-resumo.png" (any
// other count of labels is numbered "linha-NNN-K.png"). The printer is taken to hold
// the logo files of `logoDir`, as it does once the job has sent them. What the printer
// would not print as intended goes into `warnings`. False, with the reason in `error`
// (UTF-8), when a picture cannot be saved. Needs a QGuiApplication.
bool writeLabelPictures(const RenderResult& result, const std::string& logoDir,
                        const std::string& directory, std::vector<std::string>& warnings,
                        std::string& error);

}  // namespace rotulano::render
