#include <gtest/gtest.h>

#include <QImage>

#include "support/TestSupport.h"

using rotulano::test::readBytes;
using rotulano::test::samplePath;

namespace {

const std::string kGrfPrefix = "~DGR:LOGOVRDL.GRF,";

// The graphic download of the ZPL logo: its size fields and its dots (true = black).
struct Graphic {
    int totalBytes = 0;
    int bytesPerRow = 0;
    std::string hex;
    bool dot(int x, int y) const {
        const std::size_t at = static_cast<std::size_t>(y * bytesPerRow * 2 + x / 4);
        const int nibble = std::stoi(hex.substr(at, 1), nullptr, 16);
        return (nibble & (8 >> (x % 4))) != 0;
    }
};

Graphic parseGraphic(const std::string& file) {
    Graphic graphic;
    const std::size_t total = file.find(',', kGrfPrefix.size());
    const std::size_t perRow = file.find(',', total + 1);
    graphic.totalBytes = std::stoi(file.substr(kGrfPrefix.size(), total - kGrfPrefix.size()));
    graphic.bytesPerRow = std::stoi(file.substr(total + 1, perRow - total - 1));
    graphic.hex = file.substr(perRow + 1);
    while (!graphic.hex.empty() && (graphic.hex.back() == '\n' || graphic.hex.back() == '\r')) {
        graphic.hex.pop_back();
    }
    return graphic;
}

}  // namespace

// The ZPL graphic download and the DPL bitmap of the logo: the download is well formed
// under the name the labels recall, and both hold the same dots.
TEST(LogoFiles, GraphicDownloadAndBitmapHoldTheSameWordmark) {
    const std::string file = readBytes(samplePath("LOGOVRDL.GRF"));
    ASSERT_EQ(file.compare(0, kGrfPrefix.size(), kGrfPrefix), 0);
    EXPECT_EQ(file.substr(file.size() - 2), "\r\n");
    const Graphic graphic = parseGraphic(file);
    ASSERT_GT(graphic.bytesPerRow, 0);
    EXPECT_EQ(graphic.totalBytes % graphic.bytesPerRow, 0);
    ASSERT_EQ(graphic.hex.size(), static_cast<std::size_t>(graphic.totalBytes) * 2);
    EXPECT_EQ(graphic.hex.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    const QImage bitmap(QString::fromStdString(samplePath("LOGOVRDL.BMP")));
    ASSERT_FALSE(bitmap.isNull());
    EXPECT_EQ(bitmap.depth(), 1);
    ASSERT_EQ(bitmap.width(), graphic.bytesPerRow * 8);
    ASSERT_EQ(bitmap.height(), graphic.totalBytes / graphic.bytesPerRow);
    int black = 0;
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            const bool bitmapBlack = qGray(bitmap.pixel(x, y)) < 128;
            ASSERT_EQ(graphic.dot(x, y), bitmapBlack) << "dot " << x << "," << y;
            black += bitmapBlack ? 1 : 0;
        }
    }
    // A frame and thirteen letters: neither blank nor solid.
    const int dots = bitmap.width() * bitmap.height();
    EXPECT_GT(black, dots / 5);
    EXPECT_LT(black, dots / 2);
    // The frame's corners are black, the inside of the frame is white.
    EXPECT_TRUE(graphic.dot(0, 0));
    EXPECT_FALSE(graphic.dot(4, 4));
}
