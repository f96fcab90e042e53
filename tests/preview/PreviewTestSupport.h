#pragma once

#include <QImage>
#include <QRect>
#include <ostream>
#include <string>
#include <vector>

#include "preview/LabelPreview.h"

// Helpers of the preview tests: reading the bar codes back from a picture, counting ink,
// and building printer input by hand.
namespace rotulano::preview::test {

// A bar code read back by libzbar: its type as zbar names it ("EAN-13", "I2/5") and
// its digits.
struct DecodedSymbol {
    std::string type;
    std::string data;

    bool operator==(const DecodedSymbol& other) const {
        return type == other.type && data == other.data;
    }
    bool operator<(const DecodedSymbol& other) const {
        return type != other.type ? type < other.type : data < other.data;
    }
};

inline void PrintTo(const DecodedSymbol& symbol, std::ostream* out) {
    *out << symbol.type << " " << symbol.data;
}

// Every bar code that zbar finds in `image`, sorted. The picture is put on a white
// margin first: the label stock around the print area is the symbols' quiet zone.
std::vector<DecodedSymbol> decodeBarcodes(const QImage& image);

// The bar codes of `image` (the picture of `label`) read one by one, each from the
// part of the picture where its bar code command puts it: zbar reports identical
// symbols of one picture only once.
std::vector<DecodedSymbol> decodeEachSymbol(const PreviewLabel& label, const QImage& image);

// True when the pixel is black.
bool isInk(const QImage& image, int x, int y);

// The number of black pixels of `image` inside `area`.
int inkIn(const QImage& image, const QRect& area);

// The number of black pixels of the whole picture.
int inkCount(const QImage& image);

// The smallest rectangle holding every black pixel (null when there is none).
QRect inkBounds(const QImage& image);

// The lines as a print file holds them: each followed by CR LF.
std::string printFile(const std::vector<std::string>& lines);

// A 1-bit BMP file written byte by byte: `rows` from the top, '#' black, '.' white.
std::string monoBitmap(const std::vector<std::string>& rows);

// The first label that `bytes` print, drawn.
RenderedLabel firstLabel(const std::string& bytes, const PreviewResources& resources = {});

}  // namespace rotulano::preview::test
