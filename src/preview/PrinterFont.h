#pragma once

#include <QFont>
#include <QSize>
#include <QString>

class QFontMetricsF;
class QPainter;

namespace rotulano::preview {

// A printer font as the preview draws it: a face standing in for the printer's own
// glyphs, and the size of a character in printer dots. The printer's fonts are not
// available here, so the glyphs only look alike; what matters is that every field
// takes the room on the label that the printer gives it.
class PrinterFont {
  public:
    // Condensed: the Zebra scalable font (^A0). Regular: the DPL smooth font (9).
    // Monospaced: the fixed-cell bitmap fonts of both languages.
    enum class Face { Condensed, Regular, Monospaced };

    PrinterFont() = default;

    // `height` is the character cell's height in dots. For a Monospaced face `width` is
    // the advance from one character to the next; for the others it is the character
    // width of the command, which stretches the glyphs by width / height.
    PrinterFont(Face face, int height, int width);

    Face face() const { return face_; }
    int height() const { return height_; }
    int width() const { return width_; }

    // The room that `text` takes on one line, in dots.
    QSize measure(const QString& text) const;

    // Draws `text` with the top of its cell at y 0 and its first character at x 0.
    void draw(QPainter& painter, const QString& text) const;

    bool operator==(const PrinterFont& other) const {
        return face_ == other.face_ && height_ == other.height_ && width_ == other.width_;
    }

  private:
    QFont referenceFont() const;
    double verticalScale(const QFontMetricsF& metrics) const;
    double horizontalScale(const QFontMetricsF& metrics) const;

    Face face_ = Face::Monospaced;
    int height_ = 9;
    int width_ = 6;
};

}  // namespace rotulano::preview
