#include "PreviewTestSupport.h"

#include <zbar.h>

#include <QPainter>
#include <algorithm>

namespace rotulano::preview::test {

namespace {

constexpr int kQuietMargin = 40;

void putLittleEndian(std::string& bytes, unsigned value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

}  // namespace

std::vector<DecodedSymbol> decodeBarcodes(const QImage& image) {
    using namespace zbar;  // zbar.h puts its C interface there when read as C++
    QImage grey(image.width() + 2 * kQuietMargin, image.height() + 2 * kQuietMargin,
                QImage::Format_Grayscale8);
    grey.fill(255);
    {
        QPainter painter(&grey);
        painter.drawImage(kQuietMargin, kQuietMargin, image);
    }
    // zbar reads rows without padding.
    std::vector<unsigned char> pixels;
    pixels.reserve(static_cast<std::size_t>(grey.width() * grey.height()));
    for (int y = 0; y < grey.height(); ++y) {
        pixels.insert(pixels.end(), grey.constScanLine(y), grey.constScanLine(y) + grey.width());
    }
    zbar_image_scanner_t* scanner = zbar_image_scanner_create();
    // Only the symbologies our labels print: with UPC-A on, zbar would report an
    // EAN-13 starting with 0 as a UPC-A.
    zbar_image_scanner_set_config(scanner, ZBAR_NONE, ZBAR_CFG_ENABLE, 0);
    zbar_image_scanner_set_config(scanner, ZBAR_EAN13, ZBAR_CFG_ENABLE, 1);
    zbar_image_scanner_set_config(scanner, ZBAR_I25, ZBAR_CFG_ENABLE, 1);
    zbar_image_t* zimage = zbar_image_create();
    zbar_image_set_format(zimage, zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(zimage, static_cast<unsigned>(grey.width()),
                        static_cast<unsigned>(grey.height()));
    zbar_image_set_data(zimage, pixels.data(), pixels.size(), nullptr);
    zbar_scan_image(scanner, zimage);
    std::vector<DecodedSymbol> symbols;
    for (const zbar_symbol_t* symbol = zbar_image_first_symbol(zimage); symbol != nullptr;
         symbol = zbar_symbol_next(symbol)) {
        symbols.push_back(
            {zbar_get_symbol_name(zbar_symbol_get_type(symbol)), zbar_symbol_get_data(symbol)});
    }
    zbar_image_destroy(zimage);
    zbar_image_scanner_destroy(scanner);
    std::sort(symbols.begin(), symbols.end());
    return symbols;
}

std::vector<DecodedSymbol> decodeEachSymbol(const PreviewLabel& label, const QImage& image) {
    std::vector<DecodedSymbol> symbols;
    for (const LabelElement& element : label.elements) {
        if (element.kind == LabelElement::Kind::Bars) {
            const auto found = decodeBarcodes(image.copy(element.box));
            symbols.insert(symbols.end(), found.begin(), found.end());
        }
    }
    std::sort(symbols.begin(), symbols.end());
    return symbols;
}

bool isInk(const QImage& image, int x, int y) {
    return image.valid(x, y) && qGray(image.pixel(x, y)) < 128;
}

int inkIn(const QImage& image, const QRect& area) {
    const QRect inside = area.intersected(image.rect());
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            count += isInk(image, x, y) ? 1 : 0;
        }
    }
    return count;
}

int inkCount(const QImage& image) {
    return inkIn(image, image.rect());
}

QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isInk(image, x, y)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

std::string printFile(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

std::string monoBitmap(const std::vector<std::string>& rows) {
    const unsigned width = rows.empty() ? 0 : static_cast<unsigned>(rows.front().size());
    const unsigned height = static_cast<unsigned>(rows.size());
    const unsigned stride = ((width + 31) / 32) * 4;
    const unsigned offset = 14 + 40 + 8;
    std::string bmp = "BM";
    putLittleEndian(bmp, offset + stride * height, 4);
    putLittleEndian(bmp, 0, 4);
    putLittleEndian(bmp, offset, 4);
    putLittleEndian(bmp, 40, 4);  // header size
    putLittleEndian(bmp, width, 4);
    putLittleEndian(bmp, height, 4);  // positive: bottom row first
    putLittleEndian(bmp, 1, 2);       // planes
    putLittleEndian(bmp, 1, 2);       // bits per pixel
    putLittleEndian(bmp, 0, 4);       // no compression
    putLittleEndian(bmp, stride * height, 4);
    putLittleEndian(bmp, 8000, 4);
    putLittleEndian(bmp, 8000, 4);
    putLittleEndian(bmp, 2, 4);
    putLittleEndian(bmp, 0, 4);
    putLittleEndian(bmp, 0x00000000, 4);  // colour 0: black
    putLittleEndian(bmp, 0x00FFFFFF, 4);  // colour 1: white
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        std::string line(stride, '\0');
        for (unsigned x = 0; x < width; ++x) {
            if ((*row)[x] != '#') {
                line[x / 8] = static_cast<char>(line[x / 8] | (0x80 >> (x % 8)));
            }
        }
        bmp += line;
    }
    return bmp;
}

RenderedLabel firstLabel(const std::string& bytes, const PreviewResources& resources) {
    auto labels = renderJob(bytes, resources);
    return labels.empty() ? RenderedLabel{} : labels.front();
}

}  // namespace rotulano::preview::test
