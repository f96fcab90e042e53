#pragma once

#include <QImage>
#include <QStringList>

#include "preview/PreviewLabel.h"

namespace rotulano::preview {

// A label drawn as a picture, one pixel per printer dot: white stock, black marks.
struct RenderedLabel {
    QImage image;
    int copies = 1;
    int across = 1;
    bool complete = true;
    PrinterLanguage language = PrinterLanguage::Zpl;
    QStringList warnings;
};

}  // namespace rotulano::preview
