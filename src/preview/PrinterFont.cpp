#include "preview/PrinterFont.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace rotulano::preview {

namespace {

// Glyphs are laid out at this size and scaled to the cell, so that the room a field
// takes does not depend on how the face is hinted at small sizes.
constexpr int kReferencePixels = 100;

// Cells larger than this are drawn at this size: no label is that tall, and it keeps
// absurd commands from building enormous glyphs.
constexpr int kLargestCell = 1600;

}  // namespace

PrinterFont::PrinterFont(Face face, int height, int width)
    : face_(face),
      height_(std::clamp(height, 1, kLargestCell)),
      width_(std::clamp(width, 1, kLargestCell)) {}

QFont PrinterFont::referenceFont() const {
    QFont font;
    switch (face_) {
        case Face::Condensed:
            font.setFamily(QStringLiteral("Nimbus Sans Narrow"));
            font.setStyleHint(QFont::SansSerif);
            break;
        case Face::Regular:
            font.setFamily(QStringLiteral("Nimbus Sans"));
            font.setStyleHint(QFont::SansSerif);
            break;
        case Face::Monospaced:
            font.setFamily(QStringLiteral("DejaVu Sans Mono"));
            font.setStyleHint(QFont::Monospace);
            font.setFixedPitch(true);
            break;
    }
    font.setBold(true);
    font.setPixelSize(kReferencePixels);
    // Thermal printers burn a dot or leave it: no grey edges.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

double PrinterFont::verticalScale(const QFontMetricsF& metrics) const {
    return height_ / std::max(1.0, metrics.ascent() + metrics.descent());
}

double PrinterFont::horizontalScale(const QFontMetricsF& metrics) const {
    if (face_ == Face::Monospaced) {
        return width_ / std::max(1.0, metrics.horizontalAdvance(QLatin1Char('M')));
    }
    return verticalScale(metrics) * width_ / height_;
}

QSize PrinterFont::measure(const QString& text) const {
    if (face_ == Face::Monospaced) {
        return {static_cast<int>(text.size()) * width_, height_};
    }
    const QFontMetricsF metrics(referenceFont());
    const double natural = metrics.horizontalAdvance(text);
    return {static_cast<int>(std::ceil(natural * horizontalScale(metrics))), height_};
}

void PrinterFont::draw(QPainter& painter, const QString& text) const {
    const QFont font = referenceFont();
    const QFontMetricsF metrics(font);
    painter.save();
    painter.scale(horizontalScale(metrics), verticalScale(metrics));
    painter.setFont(font);
    painter.drawText(QPointF(0.0, metrics.ascent()), text);
    painter.restore();
}

}  // namespace rotulano::preview
