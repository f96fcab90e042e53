#include "preview/LabelPainter.h"

#include <QPainter>
#include <algorithm>

namespace rotulano::preview {

QImage LabelPainter::paint(const PreviewLabel& label) {
    const QSize size(std::clamp(label.size.width(), 1, kMaxLabelDots),
                     std::clamp(label.size.height(), 1, kMaxLabelDots));
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.setPen(Qt::NoPen);
        const QRect visible(QPoint(0, 0), size);
        for (const LabelElement& element : label.elements) {
            if (element.box.intersects(visible)) {
                drawElement(painter, element);
            }
        }
    }
    return canvas.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
}

void LabelPainter::drawElement(QPainter& painter, const LabelElement& element) {
    painter.save();
    turnInto(painter, element);
    switch (element.kind) {
        case LabelElement::Kind::Text:
            painter.setPen(Qt::black);
            element.font.draw(painter, element.text);
            break;
        case LabelElement::Kind::Box:
            drawBox(painter, element);
            break;
        case LabelElement::Kind::Bars:
            drawBars(painter, element);
            break;
        case LabelElement::Kind::Picture:
            painter.drawImage(QRect(QPoint(0, 0), element.own), element.picture);
            break;
    }
    painter.restore();
}

// Moves the painter so that the element's own frame, (0, 0) to `own`, lands turned in
// its box on the label.
void LabelPainter::turnInto(QPainter& painter, const LabelElement& element) {
    const QRect& box = element.box;
    switch (element.rotation) {
        case Rotation::None:
            painter.translate(box.x(), box.y());
            break;
        case Rotation::Quarter:
            painter.translate(box.x() + box.width(), box.y());
            painter.rotate(90);
            break;
        case Rotation::Half:
            painter.translate(box.x() + box.width(), box.y() + box.height());
            painter.rotate(180);
            break;
        case Rotation::ThreeQuarters:
            painter.translate(box.x(), box.y() + box.height());
            painter.rotate(270);
            break;
    }
}

void LabelPainter::drawBox(QPainter& painter, const LabelElement& element) {
    const QColor colour = element.white ? Qt::white : Qt::black;
    const int width = element.own.width();
    const int height = element.own.height();
    const int across = std::min(element.thickness, height);
    const int side = std::min(element.sideThickness, width);
    painter.fillRect(0, 0, width, across, colour);
    painter.fillRect(0, height - across, width, across, colour);
    painter.fillRect(0, 0, side, height, colour);
    painter.fillRect(width - side, 0, side, height, colour);
}

void LabelPainter::drawBars(QPainter& painter, const LabelElement& element) {
    int x = 0;
    for (std::size_t i = 0; i < element.bars.size(); ++i) {
        if (i % 2 == 0) {
            painter.fillRect(x, 0, element.bars[i], element.barHeight, Qt::black);
        }
        x += element.bars[i];
    }
    if (!element.text.isEmpty()) {
        painter.translate(0, element.own.height() - element.font.height());
        painter.setPen(Qt::black);
        element.font.draw(painter, element.text);
    }
}

}  // namespace rotulano::preview
