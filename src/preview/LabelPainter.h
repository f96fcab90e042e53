#pragma once

#include <QImage>

#include "preview/PreviewLabel.h"

class QPainter;

namespace rotulano::preview {

// Draws a label's marks on a picture of one pixel per printer dot: white stock, black
// marks, no grey, like the printed label.
class LabelPainter {
  public:
    // A one-bit picture of the label.
    static QImage paint(const PreviewLabel& label);

  private:
    static void drawElement(QPainter& painter, const LabelElement& element);
    static void turnInto(QPainter& painter, const LabelElement& element);
    static void drawBox(QPainter& painter, const LabelElement& element);
    static void drawBars(QPainter& painter, const LabelElement& element);
};

}  // namespace rotulano::preview
