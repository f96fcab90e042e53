#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "preview/LabelPreview.h"

namespace rotulano::preview::test {
namespace {

const std::string kStx = "\x02";
const std::string kSoh = "\x01";

// A metric DPL format holding `records`, as our label files write it.
std::string format(const std::vector<std::string>& records) {
    std::vector<std::string> lines = {kStx + "m", kStx + "L", "D11"};
    lines.insert(lines.end(), records.begin(), records.end());
    lines.push_back("E");
    return printFile(lines);
}

PreviewLabel parsedLabel(const std::string& bytes) {
    auto labels = parseJob(bytes);
    return labels.empty() ? PreviewLabel{} : labels.front();
}

// Records count rows up from the label's bottom edge, in tenths of a millimetre (8 dots
// per millimetre). A box 5 x 3 mm with 0.4 mm lines (3 dots) at row 1 mm, column 2 mm.
TEST(DplBoxTest, BoxStandsOnItsRowFromTheBottom) {
    const RenderedLabel label = firstLabel(format({"1X1100000100020B050030004004"}));
    ASSERT_TRUE(label.warnings.isEmpty()) << label.warnings.join('\n').toStdString();
    // 16 + 40 dots wide, 8 + 24 dots tall; the box is at the top, 8 rows under it.
    EXPECT_EQ(label.image.size(), QSize(56, 32));
    EXPECT_EQ(inkBounds(label.image), QRect(16, 0, 40, 24));
    EXPECT_EQ(inkCount(label.image), 40 * 24 - 34 * 18);
}

struct GraphicCase {
    const char* name;
    std::string record;
    QSize size;
    int ink;
};

class DplGraphicTest : public ::testing::TestWithParam<GraphicCase> {};

TEST_P(DplGraphicTest, LinesAndBoxesTakeTheirSize) {
    const RenderedLabel label = firstLabel(format({GetParam().record}));
    EXPECT_EQ(label.image.size(), GetParam().size);
    EXPECT_EQ(inkCount(label.image), GetParam().ink);
}

INSTANTIATE_TEST_SUITE_P(
    Graphics, DplGraphicTest,
    ::testing::Values(
        // 10 mm by 0.5 mm: 80 by 4 dots.
        GraphicCase{"line", "1X1100000000000L100005", {80, 4}, 320},
        // The towel tag's bar across the top: 50 by 3 mm.
        GraphicCase{"bar", "1X1100000000000L500030", {400, 24}, 9600},
        // The size box of the tags: 35 x 3.5 mm with 0.4 mm lines.
        GraphicCase{"size box", "1X1100000000000B350035004004", {280, 28}, 280 * 28 - 274 * 22}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

// A font 2 text (18 dots tall, 12 a character) "W" and three blanks, anchored at row
// and column 10 mm (80 dots) on a label held at 168 x 168 dots by two 1 mm corner boxes.
// Ink only in the first character's cell shows where the text starts and which way it
// runs; rotation 4 reads upwards with the column as its right edge, like the ZPL "B".
struct RotationCase {
    char rotation;
    QRect box;
    QRect firstCharacter;
};

class DplRotationTest : public ::testing::TestWithParam<RotationCase> {};

TEST_P(DplRotationTest, RecordRunsTheWayOfItsRotation) {
    const RotationCase& c = GetParam();
    const std::string text = std::string(1, c.rotation) + "211000" + "0100" + "0100" + "W   ";
    const PreviewLabel label =
        parsedLabel(format({"1X1100000000000B010010001001", "1X1100002000200B010010001001", text}));
    ASSERT_EQ(label.elements.size(), 3U) << label.warnings.join('\n').toStdString();
    EXPECT_EQ(label.size, QSize(168, 168));
    EXPECT_EQ(label.elements[2].box, c.box);
    const QImage image = renderLabel(label);
    const int corners = 2 * (8 * 8 - 6 * 6);
    EXPECT_GT(inkIn(image, c.firstCharacter), 20);
    EXPECT_EQ(inkIn(image, c.firstCharacter), inkCount(image) - corners);
}

INSTANTIATE_TEST_SUITE_P(Rotations, DplRotationTest,
                         ::testing::Values(RotationCase{'1', {80, 70, 48, 18}, {80, 70, 12, 18}},
                                           RotationCase{'2', {80, 88, 18, 48}, {80, 88, 18, 12}},
                                           RotationCase{'3', {32, 88, 48, 18}, {68, 88, 12, 18}},
                                           RotationCase{'4', {62, 40, 18, 48}, {62, 76, 18, 12}}));

// Font sizes: bitmap fonts by their cell times the multipliers, the smooth font 9 by
// the point size that its size field stands for.
struct FontCase {
    std::string prefix;
    int height;
    int advance;  // -1: proportional
};

class DplFontTest : public ::testing::TestWithParam<FontCase> {};

TEST_P(DplFontTest, TextIsAsTallAsItsFont) {
    const PreviewLabel label = parsedLabel(format({GetParam().prefix + "AB"}));
    ASSERT_EQ(label.elements.size(), 1U);
    EXPECT_EQ(label.elements[0].box.height(), GetParam().height);
    if (GetParam().advance > 0) {
        EXPECT_EQ(label.elements[0].box.width(), 2 * GetParam().advance);
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, DplFontTest,
                         ::testing::Values(FontCase{"102200000000000", 14, 12},  // code line
                                           FontCase{"121100000000000", 18, 12},
                                           FontCase{"133200000000000", 54, 48},
                                           // 6 pt, 8 pt, 10 pt at 203 dpi
                                           FontCase{"191100200000000", 17, -1},
                                           FontCase{"191100300000000", 23, -1},
                                           FontCase{"191100400000000", 28, -1}));

// The image download of our DPL logo: clear module C, SOH D, STX I C B LOGOVRDL, the
// bitmap file, and a "Y" record that recalls it.
const std::vector<std::string> kLogo = {"#......#", ".##..##.", "..####.."};

std::string logoDownload(const std::string& bitmap) {
    return printFile({kStx + "qC", kSoh + "D", kStx + "ICBLOGOVRDL"}) + bitmap;
}

// Downloaded in the job, or held by the preview's resources in place of a download sent
// earlier.
TEST(DplImageTest, BitmapIsRecalledDotForDot) {
    const std::string recall = format({"1Y1100000000000LOGOVRDL"});
    PreviewResources resources;
    resources.dplBitmapFile = monoBitmap(kLogo);
    for (const RenderedLabel& label :
         {firstLabel(logoDownload(monoBitmap(kLogo)) + recall), firstLabel(recall, resources)}) {
        ASSERT_TRUE(label.warnings.isEmpty()) << label.warnings.join('\n').toStdString();
        ASSERT_EQ(label.image.size(), QSize(8, 3));
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 8; ++x) {
                EXPECT_EQ(isInk(label.image, x, y), kLogo[y][x] == '#') << x << "," << y;
            }
        }
    }
}

TEST(DplImageTest, MultipliersEnlargeTheImage) {
    const RenderedLabel label =
        firstLabel(logoDownload(monoBitmap(kLogo)) + format({"1Y3200000000000LOGOVRDL"}));
    EXPECT_EQ(label.image.size(), QSize(24, 6));
    EXPECT_EQ(inkCount(label.image), 10 * 6);
}

TEST(DplImageTest, ClearingTheModuleLosesTheImage) {
    const RenderedLabel label =
        firstLabel(logoDownload(monoBitmap(kLogo)) + printFile({kStx + "qC"}) +
                   format({"1Y1100000000000LOGOVRDL"}));
    EXPECT_EQ(inkCount(label.image), 0);
    EXPECT_EQ(label.warnings,
              QStringList(QStringLiteral(
                  "Imagem LOGOVRDL não está na memória da impressora: não é impressa")));
}

TEST(DplImageTest, HeaderWithoutBitmapStoresNothing) {
    // LOGOVRDL.BMP missing: the header goes out and the label file follows it at once.
    const auto labels = parseJob(logoDownload("") + format({"1Y1100000000000LOGOVRDL"}));
    ASSERT_EQ(labels.size(), 1U);
    EXPECT_TRUE(labels[0].elements.empty());
    EXPECT_EQ(labels[0].warnings,
              QStringList({QStringLiteral(
                               "Imagem LOGOVRDL não recebida: os dados BMP não vêm após o comando"),
                           QStringLiteral("Imagem LOGOVRDL não está na memória da impressora: "
                                          "não é impressa")}));
}

// Column ("C") and row ("R") adjustments move every record; STX "n" counts hundredths
// of an inch instead of tenths of a millimetre.
struct OffsetCase {
    const char* name;
    std::vector<std::string> lines;
    QSize size;
    QRect ink;
};

class DplOffsetTest : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(DplOffsetTest, RecordsMoveWithTheFormat) {
    const RenderedLabel label = firstLabel(printFile(GetParam().lines));
    EXPECT_EQ(label.image.size(), GetParam().size);
    EXPECT_EQ(inkBounds(label.image), GetParam().ink);
}

INSTANTIATE_TEST_SUITE_P(Offsets, DplOffsetTest,
                         ::testing::Values(OffsetCase{"margins",
                                                      {kStx + "m", kStx + "L", "C0020", "R0010",
                                                       "1X1100000000000B050050050050", "E"},
                                                      {56, 48},
                                                      {16, 0, 40, 40}},
                                           OffsetCase{"inches",
                                                      {kStx + "n", kStx + "L",
                                                       "1X1100000000100B010010010010", "E"},
                                                      {223, 20},
                                                      {203, 0, 20, 20}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SymbolCase {
    const char* name;
    std::string record;
    std::vector<DecodedSymbol> symbols;
    int width;
};

class DplSymbolTest : public ::testing::TestWithParam<SymbolCase> {};

TEST_P(DplSymbolTest, ReadsBackAsTheDataSent) {
    const PreviewLabel label = parsedLabel(format({GetParam().record}));
    ASSERT_EQ(label.elements.size(), 1U) << label.warnings.join('\n').toStdString();
    EXPECT_EQ(label.elements[0].box.width(), GetParam().width);
    EXPECT_EQ(decodeBarcodes(renderLabel(label)), GetParam().symbols);
}

INSTANTIATE_TEST_SUITE_P(
    Symbols, DplSymbolTest,
    ::testing::Values(
        // 8 mm tall, 3-dot modules.
        SymbolCase{"ean13", "1f3308000100010001234567890", {{"EAN-13", "0012345678905"}}, 285},
        // Turned, as on the internal labels: 5 mm (40 dots) across.
        SymbolCase{
            "ean13 turned", "4f3305000150075001234500789", {{"EAN-13", "0012345007897"}}, 40},
        // Wide 6, narrow 3: start 12, seven pairs of 4 wide and 6 narrow (42), stop 12.
        SymbolCase{"itf",
                   "1d6308000000000"
                   "7890123456708",
                   {{"I2/5", "07890123456708"}},
                   12 + 7 * 42 + 12}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(DplSymbolTest, EanNeedsTwelveDigits) {
    const PreviewLabel label = parsedLabel(format({"1f33080001000101234567890"}));
    EXPECT_TRUE(label.elements.empty());
    ASSERT_EQ(label.warnings.size(), 1);
    EXPECT_TRUE(label.warnings[0].startsWith(
        QStringLiteral("Código de barras EAN-13 sem símbolo: dados \"1234567890\" inválidos")));
}

struct CopiesCase {
    std::vector<std::string> tail;
    int copies;
    bool complete;
};

class DplCopiesTest : public ::testing::TestWithParam<CopiesCase> {};

TEST_P(DplCopiesTest, CopiesComeFromQ) {
    std::vector<std::string> lines = {kStx + "L", "1X1100000000000L010010"};
    lines.insert(lines.end(), GetParam().tail.begin(), GetParam().tail.end());
    const PreviewLabel label = parsedLabel(printFile(lines));
    EXPECT_EQ(label.copies, GetParam().copies);
    EXPECT_EQ(label.complete, GetParam().complete);
    EXPECT_EQ(label.warnings.contains(zeroCopiesWarning()), GetParam().copies == 0);
}

INSTANTIATE_TEST_SUITE_P(Copies, DplCopiesTest,
                         ::testing::Values(CopiesCase{{"E"}, 1, true},
                                           CopiesCase{{"Q0002", "E"}, 2, true},
                                           CopiesCase{{"Q0000", "E"}, 0, true},
                                           CopiesCase{{"Q9999", "E"}, 9999, true},
                                           CopiesCase{{"Q0003"}, 3, false}));

TEST(DplCommandTest, SymbolSetDecidesTheCharacters) {
    // 0xC7: "Ã" in PC-850 (the printer's, and what "ySPM" selects), "Ç" in Latin-1.
    const std::string record = "121100000000000P\xC7O";
    const PreviewLabel pc850 = parsedLabel(printFile({kStx + "ySPM"}) + format({record}));
    EXPECT_EQ(pc850.elements.at(0).text, QStringLiteral("PÃO"));
    EXPECT_TRUE(pc850.warnings.isEmpty());
    const PreviewLabel latin1 = parsedLabel(printFile({kStx + "ySW1"}) + format({record}));
    EXPECT_EQ(latin1.elements.at(0).text, QStringLiteral("PÇO"));
    EXPECT_TRUE(latin1.warnings.isEmpty());
}

TEST(DplCommandTest, BadLinesAreSkippedWithAWarning) {
    const PreviewLabel label = parsedLabel(
        format({"K123", "1911", "1X11000000A0000B010010001001", "1X1100000000000L010010"}));
    EXPECT_EQ(label.elements.size(), 1U);
    EXPECT_EQ(label.warnings,
              QStringList({QStringLiteral("Comando DPL desconhecido ignorado: \"K123\""),
                           QStringLiteral("Registro DPL inválido ignorado: \"1911\""),
                           QStringLiteral("Registro DPL inválido ignorado: "
                                          "\"1X11000000A0000B010010001001\"")}));
}

TEST(DplCommandTest, FormatLeftWithXPrintsNothing) {
    const auto labels = parseJob(printFile(
        {kStx + "L", "1X1100000000000L010010", "X", kStx + "L", "1X1100000000000L010010", "E"}));
    EXPECT_EQ(labels.size(), 1U);
}

}  // namespace
}  // namespace rotulano::preview::test
