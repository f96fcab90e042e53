#include <gtest/gtest.h>

#include <QDir>
#include <regex>

#include "PreviewTestSupport.h"
#include "support/LogoDownloadBytes.h"
#include "support/TestSupport.h"

// Every golden label file of the ZPL and DPL layouts, drawn after the logo download that
// its job sends first: the preview must show every label whole, every bar code must read
// back as the item's digits, and the marks must land where the commands put them.
namespace rotulano::preview::test {
namespace {

std::string zplLogo() {
    return rotulano::test::logoDownloadBytes(5, rotulano::test::samplePath(""));
}

// The DPL download of the model the file was made for (model 1 unless its name says
// otherwise): model 2 sends no SOH "D" before the image.
std::string dplLogo(const std::string& relative) {
    int model = 1;
    for (int other : {2, 3, 4}) {
        if (relative.find("model" + std::to_string(other)) != std::string::npos) {
            model = other;
        }
    }
    return rotulano::test::logoDownloadBytes(model, rotulano::test::samplePath(""));
}

std::string goldenJob(const std::string& relative) {
    const std::string file = rotulano::test::readBytes(rotulano::test::dataPath(relative));
    return (relative.rfind("zpl", 0) == 0 ? zplLogo() : dplLogo(relative)) + file;
}

// The EAN-13 check digit, as the printer computes it: weights 1 and 3 from the left.
char eanCheckDigit(const std::string& twelve) {
    int sum = 0;
    for (std::size_t i = 0; i < twelve.size(); ++i) {
        sum += (twelve[i] - '0') * (i % 2 == 0 ? 1 : 3);
    }
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

// What a reader gets from the data of a bar code command: EAN-13 with its check digit,
// Interleaved 2 of 5 with a leading zero when the digits are odd in number.
DecodedSymbol expectedSymbol(bool ean, const std::string& data) {
    if (ean) {
        return {"EAN-13", data + eanCheckDigit(data)};
    }
    return {"I2/5", data.size() % 2 == 1 ? "0" + data : data};
}

// The bar codes the file's commands ask for, found in its text.
std::vector<DecodedSymbol> symbolsInFile(const std::string& file) {
    static const std::regex zpl(R"(\^B([E2])[NRIB],\d+,N,N\^FD(\d+)\^FS)");
    static const std::regex dpl(R"((?:^|\n)[1-4]([fd])\w\w\d{11}(\d+)\r)");
    std::vector<DecodedSymbol> symbols;
    for (const std::regex* pattern : {&zpl, &dpl}) {
        for (std::sregex_iterator it(file.begin(), file.end(), *pattern), end; it != end; ++it) {
            const std::string kind = (*it)[1];
            symbols.push_back(expectedSymbol(kind == "E" || kind == "f", (*it)[2]));
        }
    }
    std::sort(symbols.begin(), symbols.end());
    return symbols;
}

std::vector<std::string> goldenFiles() {
    std::vector<std::string> files;
    for (const char* folder : {"zpl", "dpl"}) {
        const QDir dir(QString::fromStdString(rotulano::test::dataPath(folder)));
        const QStringList names = dir.entryList({QStringLiteral("*.zpl"), QStringLiteral("*.dpl")},
                                                QDir::Files, QDir::Name);
        for (const QString& name : names) {
            files.push_back(std::string(folder) + "/" + name.toStdString());
        }
    }
    return files;
}

TEST(GoldenFilePreviewTest, TheGoldenFilesAreThere) {
    EXPECT_GE(goldenFiles().size(), 60U);
}

class EveryGoldenFile : public ::testing::TestWithParam<std::string> {};

TEST_P(EveryGoldenFile, PrintsWholeLabelsWithReadableBarCodes) {
    const std::string relative = GetParam();
    const auto labels = parseJob(goldenJob(relative));
    ASSERT_GE(labels.size(), 2U);
    const int across = relative.find("A_internal") != std::string::npos ? 6 : 2;
    std::vector<DecodedSymbol> read;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const PreviewLabel& label = labels[i];
        const QImage image = renderLabel(label);
        EXPECT_TRUE(label.complete) << "label " << i;
        // A zero quantity gives ^PQ0000 / Q0000, which the preview points out.
        const QStringList expected =
            label.copies == 0 ? QStringList(zeroCopiesWarning()) : QStringList();
        EXPECT_EQ(label.warnings, expected) << label.warnings.join('\n').toStdString();
        EXPECT_GT(inkCount(image), 0) << "label " << i;
        const bool summary = i + 1 == labels.size();
        EXPECT_EQ(label.across, summary ? 1 : across) << "label " << i;
        if (summary) {
            EXPECT_EQ(label.copies, 1);
        }
        const auto symbols = decodeEachSymbol(label, image);
        read.insert(read.end(), symbols.begin(), symbols.end());
    }
    std::sort(read.begin(), read.end());
    const std::string file = rotulano::test::readBytes(rotulano::test::dataPath(relative));
    EXPECT_EQ(read, symbolsInFile(file));
}

INSTANTIATE_TEST_SUITE_P(Layouts, EveryGoldenFile, ::testing::ValuesIn(goldenFiles()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '/', '_');
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

// The four 3-dot lines of a box drawn at `box`, with white just outside them (the
// size text inside the box is no concern here).
void expectBoxLines(const QImage& image, const QRect& box) {
    EXPECT_EQ(inkIn(image, QRect(box.left(), box.top(), box.width(), 3)), box.width() * 3);
    EXPECT_EQ(inkIn(image, QRect(box.left(), box.bottom() - 2, box.width(), 3)), box.width() * 3);
    EXPECT_EQ(inkIn(image, QRect(box.left(), box.top(), 3, box.height())), box.height() * 3);
    EXPECT_EQ(inkIn(image, QRect(box.right() - 2, box.top(), 3, box.height())), box.height() * 3);
    EXPECT_EQ(inkIn(image, box.adjusted(-1, -1, 1, 1)), inkIn(image, box));
}

// ZPL-01, worked example: ^LH16,24. The size box ^FO056,192^GB280,28,3 lands at
// (72, 216); the logo ^FO140,008 at (156, 32), 248 x 37 dots (31 bytes a row, 1147 in
// all); the price ^FO056,260^A0N,100,168 is 100 dots tall from y 284.
TEST(GoldenFilePreviewTest, ZplTagMarksLandWhereTheCommandsPutThem) {
    const auto labels = renderJob(goldenJob("zpl/zpl01_tag_example.zpl"));
    ASSERT_FALSE(labels.empty());
    const QImage& image = labels[0].image;
    EXPECT_EQ(image.width(), 912);
    expectBoxLines(image, QRect(72, 216, 280, 28));
    EXPECT_GT(inkIn(image, QRect(156, 32, 248, 37)), 200);
    EXPECT_EQ(inkIn(image, QRect(0, 0, 912, 32)), 0);
    EXPECT_GT(inkIn(image, QRect(72, 284, 220, 100)), 1000);
    // The second column is the first moved by the pitch, 432 dots.
    expectBoxLines(image, QRect(72 + 432, 216, 280, 28));
}

// DPL-01, worked example: C0020 R0030. The size box at row 255 + 30, column 75 + 20
// (tenths of a millimetre) stands 228 dots up from the bottom edge at x 76, 280 x 28
// with 3-dot lines.
TEST(GoldenFilePreviewTest, DplTagMarksLandWhereTheRecordsPutThem) {
    const auto labels = renderJob(goldenJob("dpl/dpl01_tag_example.dpl"));
    ASSERT_FALSE(labels.empty());
    const QImage& image = labels[0].image;
    const int top = image.height() - 228 - 28;
    expectBoxLines(image, QRect(76, top, 280, 28));
    // The logo at row 480 + 30 and column 175 + 20: 408 dots up, x 156.
    const QImage logo = QImage::fromData(QByteArray::fromStdString(rotulano::test::readBytes(
                                             rotulano::test::samplePath("LOGOVRDL.BMP"))),
                                         "BMP");
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(image.height(), 408 + logo.height());
    EXPECT_GT(inkIn(image, QRect(156, 0, logo.width(), logo.height())), 200);
}

}  // namespace
}  // namespace rotulano::preview::test
