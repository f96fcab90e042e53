#pragma once

#include <string>
#include <vector>

#include "rotulano-render/RenderJob.h"
#include "rotulano-render/RenderOutputs.h"

namespace rotulano::render {

// The file name of the picture of label `suffix` ("etiqueta", "resumo", or a number) of
// grid row `row`: "linha-NNN-<suffix>.png".
std::string pictureFileName(int row, const std::string& suffix);

// The picture of label `suffix` ("etiqueta", "resumo", or a number) of grid row `row`
// in `directory`: "linha-NNN-<suffix>.png", as bytes of the file name.
std::string picturePath(const std::string& directory, int row, const std::string& suffix);

// Every picture that writeLabelPictures writes for `result` in `directory`, in order,
// for checking them all before anything is written.
std::vector<std::string> pictureNames(const RenderResult& result, const std::string& directory);

// Draws every label of a rendered job with the label preview and writes each one as a
// PNG picture in `directory` (made when missing): per row, its item label
// "linha-NNN-etiqueta.png" and its order summary label "linha-NNN-resumo.png" (any
// other count of labels is numbered "linha-NNN-K.png"). Each picture is made whole in
// memory and then saved as a regular file (core::FileSaver), never over a file the run
// reads nor into anything but a file (RenderOutputs::checkPicture). The printer is taken to hold
// the logo files of `logoDir`, as it does once the job has sent them. What the printer would not
// print as intended goes into `warnings`. False, with the reason in `error` (UTF-8), when a picture
// cannot be written; `written` counts the pictures written before. Needs a QGuiApplication.
bool writeLabelPictures(const RenderResult& result, const std::string& logoDir,
                        const std::string& directory, const RenderOutputs& outputs,
                        std::vector<std::string>& warnings, std::string& error, int& written);

}  // namespace rotulano::render
