#include "preview/ZplFieldBuilder.h"

#include <algorithm>
#include <cmath>

#include "preview/BarcodeEncoder.h"
#include "preview/CommandFields.h"
#include "preview/PreviewLabel.h"

namespace rotulano::preview {

namespace {

// The Zebra bitmap fonts at 8 dots per millimetre: character height and width, and
// the gap between characters, in dots.
struct BitmapFont {
    char name;
    int height;
    int width;
    int gap;
};

constexpr BitmapFont kBitmapFonts[] = {
    {'A', 9, 5, 1},   {'B', 11, 7, 2},  {'C', 18, 10, 2}, {'D', 18, 10, 2},
    {'E', 28, 15, 5}, {'F', 26, 13, 3}, {'G', 60, 40, 8}, {'H', 21, 13, 6},
};

// A bitmap font is magnified by whole numbers: the size asked for is rounded to the
// nearest multiple of the font's own size, from 1 to 10 times.
int magnification(int asked, int base) {
    return std::clamp(static_cast<int>(std::lround(static_cast<double>(asked) / base)), 1, 10);
}

PrinterFont bitmapFont(const BitmapFont& base, int height, int width) {
    int tall = height > 0 ? magnification(height, base.height) : 0;
    int wide = width > 0 ? magnification(width, base.width) : 0;
    if (tall == 0) {
        tall = wide == 0 ? 1 : wide;
    }
    if (wide == 0) {
        wide = tall;
    }
    return PrinterFont(PrinterFont::Face::Monospaced, base.height * tall,
                       (base.width + base.gap) * wide);
}

// The digits a ^BE field encodes: 12, cut or filled with zeros on the left.
std::string twelveDigits(const std::string& data) {
    return data.size() >= 12 ? data.substr(0, 12) : std::string(12 - data.size(), '0') + data;
}

}  // namespace

PrinterFont ZplFieldBuilder::font(char name, int height, int width) {
    for (const BitmapFont& base : kBitmapFonts) {
        if (base.name == name) {
            return bitmapFont(base, height, width);
        }
    }
    // Font 0 and any other name: the scalable font, as tall and as wide as asked.
    const int tall = height > 0 ? height : (width > 0 ? width : 9);
    return PrinterFont(PrinterFont::Face::Condensed, tall, width > 0 ? width : tall);
}

Rotation ZplFieldBuilder::rotation(char orientation, Rotation fallback) {
    switch (orientation) {
        case 'N':
            return Rotation::None;
        case 'R':
            return Rotation::Quarter;
        case 'I':
            return Rotation::Half;
        case 'B':
            return Rotation::ThreeQuarters;
        default:
            return fallback;
    }
}

std::optional<LabelElement> ZplFieldBuilder::field(const ZplField& field,
                                                   const ZplPrinterState& state,
                                                   QStringList& warnings) {
    if (!field.hasData) {
        return std::nullopt;
    }
    return field.barcode.empty() ? text(field, state) : bars(field, state, warnings);
}

std::optional<LabelElement> ZplFieldBuilder::text(const ZplField& field,
                                                  const ZplPrinterState& state) {
    LabelElement element;
    element.kind = LabelElement::Kind::Text;
    element.text = decodePrinterText(field.data, state.codePage);
    if (element.text.isEmpty()) {
        return std::nullopt;
    }
    const bool ownFont = field.font != 0;
    element.font = font(ownFont ? field.font : state.defaultFont,
                        ownFont ? field.fontHeight : state.defaultFontHeight,
                        ownFont ? field.fontWidth : state.defaultFontWidth);
    element.rotation = rotation(field.orientation, state.defaultRotation);
    element.own = element.font.measure(element.text);
    element.box = QRect(field.origin, turnedSize(element.own, element.rotation));
    return element;
}

std::optional<LabelElement> ZplFieldBuilder::bars(const ZplField& field,
                                                  const ZplPrinterState& state,
                                                  QStringList& warnings) {
    const auto parameters = splitFields(field.barParameters);
    const std::string orientation = trimBlanks(fieldAt(parameters, 0));
    const int height =
        static_cast<int>(leadingNumber(fieldAt(parameters, 1), state.barHeight, 1, kMaxLabelDots));
    const bool printText = trimBlanks(fieldAt(parameters, 2)) != "N";
    const bool ean = field.barcode == "BE";
    if (!ean && field.barcode != "B2") {
        warnings << QStringLiteral("Código de barras ^%1 não é desenhado na pré-visualização")
                        .arg(QString::fromLatin1(field.barcode.c_str()));
        return std::nullopt;
    }
    const std::string data = trimBlanks(field.data);
    const bool checkDigit = trimBlanks(fieldAt(parameters, 4)) == "Y";
    const BarcodeRuns runs = !onlyDigits(data) ? BarcodeRuns{{}, {}, QStringLiteral("só dígitos")}
                             : ean             ? BarcodeEncoder::ean13(twelveDigits(data))
                                               : BarcodeEncoder::interleaved2of5(data, checkDigit);
    if (!runs.valid()) {
        warnings << QStringLiteral("Código de barras %1 sem símbolo: dados \"%2\" inválidos (%3)")
                        .arg(ean ? QStringLiteral("EAN-13") : QStringLiteral("2 de 5 intercalado"),
                             decodePrinterText(field.data, state.codePage), runs.error);
        return std::nullopt;
    }
    const int module = state.barModule;
    const int wide = std::max(module + 1, static_cast<int>(std::lround(module * state.barRatio)));
    LabelElement element = barsElement(ean ? BarcodeEncoder::modulesToDots(runs, module)
                                           : BarcodeEncoder::narrowWideToDots(runs, module, wide),
                                       height, printText ? runs.text : QString(), module);
    element.rotation =
        rotation(orientation.empty() ? char(0) : orientation[0], state.defaultRotation);
    element.box = QRect(field.origin, turnedSize(element.own, element.rotation));
    return element;
}

LabelElement ZplFieldBuilder::box(QPoint origin, const std::string& parameters) {
    const auto fields = splitFields(parameters);
    const auto thickness = static_cast<int>(leadingNumber(fieldAt(fields, 2), 1, 1, kMaxLabelDots));
    const auto width =
        static_cast<int>(leadingNumber(fieldAt(fields, 0), thickness, thickness, kMaxLabelDots));
    const auto height =
        static_cast<int>(leadingNumber(fieldAt(fields, 1), thickness, thickness, kMaxLabelDots));
    LabelElement element;
    element.kind = LabelElement::Kind::Box;
    element.own = QSize(width, height);
    element.box = QRect(origin, element.own);
    element.thickness = thickness;
    element.sideThickness = thickness;
    element.white = trimBlanks(fieldAt(fields, 3)) == "W";
    return element;
}

LabelElement ZplFieldBuilder::graphic(QPoint origin, const QImage& picture, int magnifyX,
                                      int magnifyY) {
    LabelElement element;
    element.kind = LabelElement::Kind::Picture;
    element.picture = picture;
    element.own = QSize(std::min(picture.width() * magnifyX, kMaxLabelDots),
                        std::min(picture.height() * magnifyY, kMaxLabelDots));
    element.box = QRect(origin, element.own);
    return element;
}

}  // namespace rotulano::preview
