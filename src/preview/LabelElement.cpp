#include "preview/LabelElement.h"

#include <numeric>

namespace rotulano::preview {

bool LabelElement::sameMarkAs(const LabelElement& other) const {
    return kind == other.kind && rotation == other.rotation && own == other.own &&
           box.y() == other.box.y() && box.size() == other.box.size() && text == other.text &&
           font == other.font && thickness == other.thickness &&
           sideThickness == other.sideThickness && white == other.white && bars == other.bars &&
           barHeight == other.barHeight && picture.cacheKey() == other.picture.cacheKey();
}

QSize turnedSize(QSize own, Rotation rotation) {
    if (rotation == Rotation::Quarter || rotation == Rotation::ThreeQuarters) {
        return own.transposed();
    }
    return own;
}

LabelElement barsElement(std::vector<int> bars, int barHeight, const QString& humanText,
                         int module) {
    LabelElement element;
    element.kind = LabelElement::Kind::Bars;
    element.bars = std::move(bars);
    element.barHeight = barHeight;
    const int width = std::accumulate(element.bars.begin(), element.bars.end(), 0);
    int textHeight = 0;
    if (!humanText.isEmpty()) {
        // The printers write the digits under the bars in a small OCR-B-like font.
        element.text = humanText;
        textHeight = 9 * module;
        element.font = PrinterFont(PrinterFont::Face::Monospaced, textHeight,
                                   std::max(1, width / static_cast<int>(humanText.size())));
    }
    element.own = QSize(width, barHeight + (textHeight > 0 ? textHeight + module : 0));
    return element;
}

}  // namespace rotulano::preview
