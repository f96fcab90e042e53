#include "preview/DplRecordBuilder.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "preview/BarcodeEncoder.h"
#include "preview/CommandFields.h"
#include "preview/PreviewLabel.h"

namespace rotulano::preview {

namespace {

constexpr std::size_t kPrefixLength = 15;
// A DPL record carries at most this much data.
constexpr std::size_t kMaxData = 255;

// The DPL bitmap fonts 0 to 8 at 8 dots per millimetre: height, width, gap, in dots.
struct BitmapFont {
    int height;
    int width;
    int gap;
};
constexpr BitmapFont kBitmapFonts[] = {{7, 5, 1},   {13, 7, 2},  {18, 10, 2},
                                       {27, 14, 2}, {36, 18, 3}, {52, 28, 4},
                                       {64, 32, 4}, {27, 15, 5}, {28, 15, 5}};

// The point sizes of the smooth font 9, by the size field "000" to "011".
constexpr int kSmoothPoints[] = {4, 5, 6, 8, 10, 12, 14, 18, 24, 30, 36, 48};

// Multipliers and bar widths: "1" to "9", then "A" for 10 and on.
int multiplier(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 10;
    }
    return 1;
}

int atLeastOne(int value) {
    return std::max(1, value);
}

std::string dataOf(const std::string& line) {
    return line.substr(kPrefixLength, kMaxData);
}

std::optional<Rotation> rotationOf(char c) {
    switch (c) {
        case '1':
            return Rotation::None;
        case '2':
            return Rotation::Quarter;
        case '3':
            return Rotation::Half;
        case '4':
            return Rotation::ThreeQuarters;
        default:
            return std::nullopt;
    }
}

// Places `element` (its own size known) with the lower-left corner of its own frame at
// `anchor`, rows going up. A record turned by three quarters reads upwards and lies to
// the left of its column; one turned by a quarter reads downwards, below its row.
void place(LabelElement& element, QPoint anchor) {
    const QSize own = element.own;
    const QSize size = turnedSize(own, element.rotation);
    QPoint lowerLeft = anchor;
    switch (element.rotation) {
        case Rotation::None:
            break;
        case Rotation::Quarter:
            lowerLeft.ry() -= own.width();
            break;
        case Rotation::Half:
            lowerLeft -= QPoint(own.width(), own.height());
            break;
        case Rotation::ThreeQuarters:
            lowerLeft.rx() -= own.height();
            break;
    }
    element.box = QRect(lowerLeft, size);
}

QString shown(const std::string& line) {
    return QString::fromLatin1(line.substr(0, 40).c_str());
}

}  // namespace

int DplRecordBuilder::toDots(long long value, bool metric) {
    const long long dots = metric ? (value * 8 + 5) / 10 : (value * 203 + 50) / 100;
    return static_cast<int>(std::clamp(dots, -4LL * kMaxLabelDots, 4LL * kMaxLabelDots));
}

std::optional<LabelElement> DplRecordBuilder::record(const std::string& line,
                                                     const DplRecordContext& context,
                                                     QStringList& warnings) {
    const auto rotation = line.size() >= kPrefixLength ? rotationOf(line[0]) : std::nullopt;
    if (!rotation || !onlyDigits(line.substr(7, 8))) {
        warnings << QStringLiteral("Registro DPL inválido ignorado: \"%1\"").arg(shown(line));
        return std::nullopt;
    }
    const char id = line[1];
    std::optional<LabelElement> element;
    if (id >= '0' && id <= '9') {
        element = text(id, line, context);
    } else if (id == 'X') {
        element = graphic(line, context, warnings);
    } else if (id == 'Y') {
        element = image(line, context, warnings);
    } else {
        element = bars(line, context, warnings);
    }
    if (element) {
        element->rotation = *rotation;
        const QPoint anchor(toDots(leadingNumber(line.substr(11, 4), 0, 0, 9999), context.metric),
                            toDots(leadingNumber(line.substr(7, 4), 0, 0, 9999), context.metric));
        place(*element, anchor + context.offset);
    }
    return element;
}

std::optional<LabelElement> DplRecordBuilder::text(char font, const std::string& line,
                                                   const DplRecordContext& context) {
    LabelElement element;
    element.kind = LabelElement::Kind::Text;
    element.text = decodePrinterText(dataOf(line), context.codePage);
    if (element.text.isEmpty()) {
        return std::nullopt;
    }
    const int wide = atLeastOne(multiplier(line[2]));
    const int tall = atLeastOne(multiplier(line[3]));
    if (font == '9') {
        const long long size = leadingNumber(line.substr(4, 3), 4, 0, 999);
        const int points = size < 12 ? kSmoothPoints[size] : 10;
        const int height = static_cast<int>(std::lround(points * 203.0 / 72.0));
        element.font = PrinterFont(PrinterFont::Face::Regular, height * tall, height * wide);
    } else {
        const BitmapFont& base = kBitmapFonts[font - '0'];
        element.font = PrinterFont(PrinterFont::Face::Monospaced, base.height * tall,
                                   (base.width + base.gap) * wide);
    }
    element.own = element.font.measure(element.text);
    return element;
}

std::optional<LabelElement> DplRecordBuilder::graphic(const std::string& line,
                                                      const DplRecordContext& context,
                                                      QStringList& warnings) {
    const std::string data = dataOf(line);
    auto length = [&](std::size_t at) {
        return atLeastOne(toDots(
            leadingNumber(data.substr(std::min(at, data.size()), 3), 0, 0, 999), context.metric));
    };
    LabelElement element;
    element.kind = LabelElement::Kind::Box;
    if (!data.empty() && data[0] == 'B') {
        element.own = QSize(length(1), length(4));
        element.thickness = length(7);
        element.sideThickness = length(10);
    } else if (!data.empty() && data[0] == 'L') {
        element.own = QSize(length(1), length(4));
        element.thickness = element.own.height();
        element.sideThickness = element.own.width();
    } else {
        warnings << QStringLiteral("Gráfico DPL não desenhado: \"%1\"").arg(shown(line));
        return std::nullopt;
    }
    return element;
}

std::optional<LabelElement> DplRecordBuilder::image(const std::string& line,
                                                    const DplRecordContext& context,
                                                    QStringList& warnings) {
    const std::string name = trimBlanks(dataOf(line));
    const QImage picture = context.graphics ? context.graphics->find(name) : QImage();
    if (picture.isNull()) {
        warnings << QStringLiteral("Imagem %1 não está na memória da impressora: não é impressa")
                        .arg(QString::fromLatin1(name.c_str()));
        return std::nullopt;
    }
    LabelElement element;
    element.kind = LabelElement::Kind::Picture;
    element.picture = picture;
    element.own =
        QSize(std::min(picture.width() * atLeastOne(multiplier(line[2])), kMaxLabelDots),
              std::min(picture.height() * atLeastOne(multiplier(line[3])), kMaxLabelDots));
    return element;
}

std::optional<LabelElement> DplRecordBuilder::bars(const std::string& line,
                                                   const DplRecordContext& context,
                                                   QStringList& warnings) {
    const char id = line[1];
    const bool ean = id == 'f' || id == 'F';
    if (!ean && id != 'd' && id != 'D') {
        warnings << QStringLiteral(
                        "Código de barras DPL \"%1\" não é desenhado na pré-visualização")
                        .arg(QChar::fromLatin1(id));
        return std::nullopt;
    }
    const std::string data = trimBlanks(dataOf(line));
    const bool eanLength = data.size() == 12 || data.size() == 13;
    const BarcodeRuns runs = !onlyDigits(data) || (ean && !eanLength)
                                 ? BarcodeRuns{{}, {}, QStringLiteral("12 dígitos")}
                             : ean ? BarcodeEncoder::ean13(data)
                                   : BarcodeEncoder::interleaved2of5(data, false);
    if (!runs.valid()) {
        warnings << QStringLiteral("Código de barras %1 sem símbolo: dados \"%2\" inválidos (%3)")
                        .arg(ean ? QStringLiteral("EAN-13") : QStringLiteral("2 de 5 intercalado"),
                             QString::fromLatin1(data.c_str()), runs.error);
        return std::nullopt;
    }
    const int wide = atLeastOne(multiplier(line[2]));
    const int narrow = atLeastOne(multiplier(line[3]));
    const long long height = leadingNumber(line.substr(4, 3), 0, 0, 999);
    const int dots = height > 0 ? toDots(height, context.metric) : 100;
    const QString human = std::isupper(static_cast<unsigned char>(id)) ? runs.text : QString();
    return barsElement(ean ? BarcodeEncoder::modulesToDots(runs, narrow)
                           : BarcodeEncoder::narrowWideToDots(runs, narrow, std::max(wide, narrow)),
                       std::max(1, dots), human, narrow);
}

}  // namespace rotulano::preview
