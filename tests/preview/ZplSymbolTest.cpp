#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "preview/LabelPreview.h"

namespace rotulano::preview::test {
namespace {

std::string format(const std::string& commands) {
    return "^XA" + commands + "^XZ";
}

PreviewLabel parsedLabel(const std::string& bytes) {
    auto labels = parseJob(bytes);
    return labels.empty() ? PreviewLabel{} : labels.front();
}

// Bar codes read back by zbar. The EAN-13 check digit is the printer's (the program
// sends 12 digits); Interleaved 2 of 5 needs an even number of digits, so the printer
// puts a zero in front of our 13-digit pack codes and zbar reads 14 digits.
struct SymbolCase {
    const char* name;
    std::string commands;
    std::vector<DecodedSymbol> symbols;
    int width;  // of the bars, in dots
};

class ZplSymbolTest : public ::testing::TestWithParam<SymbolCase> {};

TEST_P(ZplSymbolTest, ReadsBackAsTheDataSent) {
    const SymbolCase& c = GetParam();
    const PreviewLabel label = parsedLabel(format(c.commands));
    ASSERT_EQ(label.elements.size(), 1U) << label.warnings.join('\n').toStdString();
    EXPECT_EQ(label.elements[0].box.width(), c.width);
    EXPECT_EQ(decodeBarcodes(renderLabel(label)), c.symbols);
}

INSTANTIATE_TEST_SUITE_P(
    Symbols, ZplSymbolTest,
    ::testing::Values(
        // ^BE takes 12 digits: fewer are filled with zeros on the left, more are cut.
        SymbolCase{"ean13 short",
                   "^BY3^FO40,20^BEN,60,N,N^FD1234567890^FS",
                   {{"EAN-13", "0012345678905"}},
                   285},
        SymbolCase{"ean13 long",
                   "^BY2^FO40,20^BEN,60,N,N^FD00123456789012^FS",
                   {{"EAN-13", "0012345678905"}},
                   190},
        // Turned by three quarters, as on the internal labels: 32 dots across.
        SymbolCase{"ean13 turned",
                   "^BY3^FO20,0^BEB,32,N,N^FD001020304050^FS",
                   {{"EAN-13", "0010203040505"}},
                   32},
        // Narrow 2, wide 6: start 8, seven digit pairs of 4 wide and 6 narrow bars and
        // spaces (36), stop 10 (wide bar, narrow space, narrow bar).
        SymbolCase{"itf odd",
                   "^BY2,3,50^FO30,10^B2N,50,N,N^FD7891234567895^FS",
                   {{"I2/5", "07891234567895"}},
                   270},
        // The pack layout's defaults: narrow 3, wide 3 x 2.3 = 7.
        SymbolCase{"itf pack",
                   "^BY3,2.3,56^FO0,72^B2N,64,N,N^FD7891234567895^FS",
                   {{"I2/5", "07891234567895"}},
                   12 + 7 * (4 * 7 + 6 * 3) + 7 + 6},
        // With the check digit: 1 to 5 weigh 3, 1, 3, 1, 3 from the right: 33, so the
        // check digit is 7.
        SymbolCase{"itf check",
                   "^BY2,3,50^FO30,10^B2N,50,N,N,Y^FD12345^FS",
                   {{"I2/5", "123457"}},
                   8 + 3 * 36 + 10}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

// 95 modules of 3 dots.
TEST(ZplSymbolTest, BarsStartAtTheFieldOrigin) {
    const QImage image =
        renderLabel(parsedLabel(format("^BY3^FO40,20^BEN,60,N,N^FD001234567890^FS")));
    EXPECT_EQ(inkBounds(image), QRect(40, 20, 285, 60));
    EXPECT_EQ(decodeBarcodes(image), (std::vector<DecodedSymbol>{{"EAN-13", "0012345678905"}}));
}

TEST(ZplSymbolTest, InterpretationLineGoesUnderTheBars) {
    const PreviewLabel label = parsedLabel(format("^BY2^FO0,0^BEN,50,Y,N^FD001234567890^FS"));
    ASSERT_EQ(label.elements.size(), 1U);
    EXPECT_EQ(label.elements[0].text, QStringLiteral("0012345678905"));
    EXPECT_GT(label.elements[0].box.height(), 50);
    const QImage image = renderLabel(label);
    EXPECT_GT(inkIn(image, QRect(0, 52, 190, 100)), 0);
}

TEST(ZplSymbolTest, DataThatMakeNoSymbolPrintNothing) {
    const PreviewLabel label = parsedLabel(format("^FO0,0^BEN,50,N,N^FD12AB^FS"));
    EXPECT_TRUE(label.elements.empty());
    ASSERT_EQ(label.warnings.size(), 1);
    EXPECT_TRUE(label.warnings[0].startsWith(
        QStringLiteral("Código de barras EAN-13 sem símbolo: dados \"12AB\" inválidos")));
}

TEST(ZplSymbolTest, OtherSymbologiesAreNamed) {
    const PreviewLabel label = parsedLabel(format("^FO0,0^BCN,50^FD123^FS"));
    EXPECT_TRUE(label.elements.empty());
    EXPECT_EQ(
        label.warnings,
        QStringList(QStringLiteral("Código de barras ^BC não é desenhado na pré-visualização")));
}

// A 16 x 2 graphic: row 1 F0 0F, row 2 80 01.
const std::vector<std::string> kTestGraphic = {"####........####", "#..............#"};
const std::string kRecallTest = "^FO5,5^XGR:TESTE.GRF,1,1^FS";
const std::string kRecallLogo = "^FO5,5^XGR:LOGOVRDL.GRF,1,1^FS";

void expectGraphicAt(const QImage& image, QPoint at, const std::vector<std::string>& rows) {
    for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
        for (int x = 0; x < static_cast<int>(rows[0].size()); ++x) {
            EXPECT_EQ(isInk(image, at.x() + x, at.y() + y), rows[y][x] == '#')
                << "at " << x << "," << y;
        }
    }
}

// The graphic as the job downloads it, as the preview's resources hold it (the logo file
// standing in for a download sent earlier), or inline in the field.
struct GraphicCase {
    const char* name;
    std::string download;
    std::string field;
    std::string resource;
};

class ZplGraphicTest : public ::testing::TestWithParam<GraphicCase> {};

TEST_P(ZplGraphicTest, GraphicIsDrawnDotForDot) {
    PreviewResources resources;
    resources.zplGraphicFile = GetParam().resource;
    const RenderedLabel label =
        firstLabel(GetParam().download + format(GetParam().field), resources);
    ASSERT_TRUE(label.warnings.isEmpty()) << label.warnings.join('\n').toStdString();
    EXPECT_EQ(label.image.size(), QSize(21, 7));
    expectGraphicAt(label.image, {5, 5}, kTestGraphic);
    EXPECT_EQ(inkCount(label.image), 10);
}

INSTANTIATE_TEST_SUITE_P(
    Downloads, ZplGraphicTest,
    ::testing::Values(GraphicCase{"plain", "~DGR:TESTE.GRF,4,2,F00F8001", kRecallTest, ""},
                      GraphicCase{"lines", "~DGR:TESTE.GRF,00004,002,\r\nF00F\r\n8001\r\n",
                                  kRecallTest, ""},
                      // H repeats twice: "FH0F" is F 0 0 F.
                      GraphicCase{"compressed", "~DGR:TESTE.GRF,4,2,FH0F8H01", kRecallTest, ""},
                      // Device R: and extension .GRF are the printer's defaults.
                      GraphicCase{"default name", "~DGTESTE,4,2,F00F8001", kRecallTest, ""},
                      GraphicCase{"inline", "", "^FO5,5^GFA,4,4,2,F00F8001^FS", ""},
                      GraphicCase{"resources", "", kRecallLogo, "~DGR:LOGOVRDL.GRF,4,2,F00F8001"},
                      // A download in the job replaces what the resources hold.
                      GraphicCase{"job over resources", "~DGR:LOGOVRDL.GRF,4,2,F00F8001",
                                  kRecallLogo, "~DGR:LOGOVRDL.GRF,4,2,FFFFFFFF"}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(ZplGraphicTest, RowFillsAndRepeats) {
    // "F," fills the row with white after F; ":" repeats it; "0!" fills with black.
    const RenderedLabel label =
        firstLabel("~DGR:TESTE.GRF,6,2,F,:0!" + format("^FO0,0^XGR:TESTE.GRF,1,1^FS"));
    expectGraphicAt(label.image, {0, 0},
                    {"####............", "####............", "....############"});
}

TEST(ZplGraphicTest, MagnificationRepeatsEveryDot) {
    const RenderedLabel label =
        firstLabel("~DGR:TESTE.GRF,4,2,F00F8001" + format("^FO0,0^XGR:TESTE.GRF,2,3^FS"));
    EXPECT_EQ(label.image.size(), QSize(32, 6));
    EXPECT_EQ(inkCount(label.image), 60);
}

TEST(ZplGraphicTest, MissingGraphicPrintsNothingAndSaysSo) {
    const RenderedLabel label = firstLabel(format(kRecallLogo));
    EXPECT_EQ(inkCount(label.image), 0);
    EXPECT_EQ(label.warnings,
              QStringList(QStringLiteral(
                  "Gráfico R:LOGOVRDL.GRF não está na memória da impressora: não é impresso")));
}

TEST(ZplGraphicTest, BadSizesStoreNothing) {
    const RenderedLabel label = firstLabel("~DGR:TESTE.GRF,4,0,F00F8001" + format(kRecallTest));
    EXPECT_EQ(inkCount(label.image), 0);
    EXPECT_EQ(label.warnings.size(), 2);
}

}  // namespace
}  // namespace rotulano::preview::test
