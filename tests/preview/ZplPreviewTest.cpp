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

// Boxes: ^GB width, height, thickness and colour, placed by ^FO from the label home ^LH.
struct BoxCase {
    const char* name;
    std::string commands;
    QSize size;
    int ink;
};

class ZplBoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(ZplBoxTest, DrawsTheBoxWhereTheCommandsPutIt) {
    const BoxCase& c = GetParam();
    const RenderedLabel label = firstLabel(format(c.commands));
    EXPECT_EQ(label.image.size(), c.size);
    EXPECT_EQ(inkCount(label.image), c.ink);
    EXPECT_TRUE(label.warnings.isEmpty()) << label.warnings.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ZplBoxTest,
    ::testing::Values(
        // 30 x 40 with a 5-dot border: 1200 dots less the 20 x 30 inside.
        BoxCase{"border", "^FO10,20^GB30,40,5^FS", {40, 60}, 600},
        BoxCase{"home", "^LH8,16^FO10,20^GB30,40,30^FS", {48, 76}, 1200},
        // The width never falls below the thickness.
        BoxCase{"thick", "^FO0,0^GB30,40,40^FS", {40, 40}, 1600},
        // Width and height below the thickness grow to it: a 23-dot bar, as ZPL-08's.
        BoxCase{"bar", "^FO0,0^GB400,0,23^FS", {400, 23}, 9200},
        BoxCase{"square dot", "^FO0,0^GB0,0,7^FS", {7, 7}, 49},
        BoxCase{"white over black", "^FO0,0^GB20,20,20^FS^FO5,5^GB10,10,10,W^FS", {20, 20}, 300},
        // The print width and label length cut what lies beyond them.
        BoxCase{"cut", "^PW100^LL50^FO90,40^GB30,30,30^FS", {100, 50}, 100},
        // A rule written with four-digit positions, as the old price rule.
        BoxCase{"four digits", "^FO0176,0324^GB144,0,3^FS", {320, 327}, 432}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(ZplBoxTest, BorderFollowsTheBoxEdges) {
    const QImage image = firstLabel(format("^FO10,20^GB30,40,5^FS")).image;
    EXPECT_TRUE(isInk(image, 10, 20));
    EXPECT_TRUE(isInk(image, 39, 59));
    EXPECT_TRUE(isInk(image, 14, 40));
    EXPECT_FALSE(isInk(image, 15, 40));
    EXPECT_FALSE(isInk(image, 9, 20));
    EXPECT_EQ(inkBounds(image), QRect(10, 20, 30, 40));
}

// Bitmap fonts: font D is 18 x 10 dots with a 2-dot gap, magnified by whole numbers.
struct FontCase {
    std::string font;
    QRect box;
};

class ZplFontTest : public ::testing::TestWithParam<FontCase> {};

TEST_P(ZplFontTest, TextTakesTheFontsRoom) {
    const PreviewLabel label = parsedLabel(format("^FO100,50" + GetParam().font + "^FDABC^FS"));
    ASSERT_EQ(label.elements.size(), 1U);
    EXPECT_EQ(label.elements[0].box, GetParam().box);
    const QImage image = renderLabel(label);
    EXPECT_GT(inkCount(image), 0);
    EXPECT_EQ(inkIn(image, GetParam().box), inkCount(image));
}

INSTANTIATE_TEST_SUITE_P(Fonts, ZplFontTest,
                         ::testing::Values(FontCase{"^ADN,018,010", {100, 50, 36, 18}},
                                           FontCase{"^ADN,36,20", {100, 50, 72, 36}},
                                           // ZPL-02's price: 68/18 and 44/10 round to 4.
                                           FontCase{"^ACN,068,044", {100, 50, 144, 72}},
                                           // 34/18 rounds to 2, 30/10 is 3.
                                           FontCase{"^ACN,034,030", {100, 50, 108, 36}},
                                           // Below the font's size: magnified once.
                                           FontCase{"^ABN,001,001", {100, 50, 27, 11}},
                                           FontCase{"^ADB,018,010", {100, 50, 18, 36}}));

TEST(ZplFontTest, ScalableFontIsAsTallAsAsked) {
    const PreviewLabel label = parsedLabel(format("^FO20,30^A0N,50,40^FDHELLO^FS"));
    ASSERT_EQ(label.elements.size(), 1U);
    const QRect box = label.elements[0].box;
    EXPECT_EQ(box.topLeft(), QPoint(20, 30));
    EXPECT_EQ(box.height(), 50);
    EXPECT_GT(box.width(), 5 * 15);
    // Twice the width asks for twice the room.
    const PreviewLabel wide = parsedLabel(format("^FO20,30^A0N,50,80^FDHELLO^FS"));
    EXPECT_NEAR(wide.elements[0].box.width(), 2 * box.width(), 2);
    const QImage image = renderLabel(label);
    EXPECT_EQ(inkIn(image, box), inkCount(image));
    EXPECT_GT(inkCount(image), 0);
}

// Orientation: "W" and three blanks in font D (12 dots a character) put ink in the
// first character's cell only, which shows where the text starts and which way it runs.
struct OrientationCase {
    char orientation;
    QRect box;
    QRect firstCharacter;
};

class ZplOrientationTest : public ::testing::TestWithParam<OrientationCase> {};

TEST_P(ZplOrientationTest, TextRunsTheWayOfItsOrientation) {
    const OrientationCase& c = GetParam();
    const std::string command = std::string("^FO10,10^AD") + c.orientation + ",18,10^FDW   ^FS";
    const PreviewLabel label = parsedLabel(format("^PW80^LL80" + command));
    ASSERT_EQ(label.elements.size(), 1U);
    EXPECT_EQ(label.elements[0].box, c.box);
    const QImage image = renderLabel(label);
    EXPECT_GT(inkCount(image), 20);
    EXPECT_EQ(inkIn(image, c.firstCharacter), inkCount(image));
}

INSTANTIATE_TEST_SUITE_P(
    Orientations, ZplOrientationTest,
    ::testing::Values(OrientationCase{'N', {10, 10, 48, 18}, {10, 10, 12, 18}},
                      OrientationCase{'R', {10, 10, 18, 48}, {10, 10, 18, 12}},
                      OrientationCase{'I', {10, 10, 48, 18}, {46, 10, 12, 18}},
                      // Read from the bottom up: the side text and the internal labels.
                      OrientationCase{'B', {10, 10, 18, 48}, {10, 46, 18, 12}}));

TEST(ZplFieldTest, FieldWithoutOriginStartsAtTheLabelHome) {
    const PreviewLabel label = parsedLabel(format("^LH5,6^FO50,50^GB4,4,4^FS^GB3,3,3^FS"));
    ASSERT_EQ(label.elements.size(), 2U);
    EXPECT_EQ(label.elements[1].box, QRect(5, 6, 3, 3));
}

struct CopiesCase {
    std::string commands;
    int copies;
};

class ZplCopiesTest : public ::testing::TestWithParam<CopiesCase> {};

TEST_P(ZplCopiesTest, CopiesComeFromPQ) {
    EXPECT_EQ(parsedLabel(format(GetParam().commands + "^FO0,0^GB5,5,5^FS")).copies,
              GetParam().copies);
}

INSTANTIATE_TEST_SUITE_P(Copies, ZplCopiesTest,
                         ::testing::Values(CopiesCase{"", 1}, CopiesCase{"^PQ0002", 2},
                                           CopiesCase{"^PQ0000", 0}, CopiesCase{"^PQ12,0,1,Y", 12},
                                           CopiesCase{"^PQ999999999999999", 99999999},
                                           CopiesCase{"^PQABC", 1}));

TEST(ZplCodePageTest, BytesPrintInTheSelectedCharacterSet) {
    // 0xC7 is "Ç" in Latin-1 but "Ã" in code page 850, the printer's at ^CI0; the labels
    // write their letters in code page 850, so the byte draws as it prints, unwarned.
    const std::string field = "^FO0,0^A0N,30,30^FD\xC7^FS";
    const PreviewLabel pc850 = parsedLabel(format(field));
    EXPECT_EQ(pc850.elements.at(0).text, QStringLiteral("Ã"));
    EXPECT_TRUE(pc850.warnings.isEmpty());
    const PreviewLabel latin1 = parsedLabel(format("^CI27" + field));
    EXPECT_EQ(latin1.elements.at(0).text, QStringLiteral("Ç"));
    EXPECT_TRUE(latin1.warnings.isEmpty());
    EXPECT_EQ(parsedLabel(format("^CI28^FO0,0^A0N,30,30^FD\xC3\x87^FS")).elements.at(0).text,
              QStringLiteral("Ç"));
}

TEST(ZplCopiesTest, ZeroCopiesArePointedOut) {
    const PreviewLabel label = parsedLabel(format("^FO0,0^GB5,5,5^FS^PQ0000"));
    EXPECT_EQ(label.copies, 0);
    EXPECT_EQ(label.warnings, QStringList(zeroCopiesWarning()));
    EXPECT_EQ(zeroCopiesWarning(),
              QStringLiteral("Etiqueta com 0 cópias: a impressora não aceita esse número e pode "
                             "imprimi-la mesmo assim"));
}

TEST(ZplCommandTest, CaretInFieldDataEndsTheField) {
    // What the printer does with a caret in an item's text: the field stops there and
    // the rest is read as a command.
    const PreviewLabel label = parsedLabel(format("^FO0,0^ADN,18,10^FDAB^CD^FS"));
    ASSERT_EQ(label.elements.size(), 1U);
    EXPECT_EQ(label.elements[0].text, QStringLiteral("AB"));
    EXPECT_TRUE(label.warnings.contains(QStringLiteral("Comando ZPL desconhecido ignorado: ^CD")));
}

TEST(ZplCommandTest, UnknownCommandsAreSkippedWithAWarning) {
    const PreviewLabel label = parsedLabel(format("^QQ12^FO0,0^GB5,5,5^FS~ZZ"));
    EXPECT_EQ(label.elements.size(), 1U);
    EXPECT_EQ(label.warnings,
              QStringList({QStringLiteral("Comando ZPL desconhecido ignorado: ^QQ"),
                           QStringLiteral("Comando ZPL desconhecido ignorado: ~ZZ")}));
}

TEST(ZplCommandTest, LabelWithoutEndIsIncomplete) {
    const auto labels = parseJob("^XA^FO0,0^GB5,5,5^FS^XZ^XA^FO0,0^GB5,5,5^FS");
    ASSERT_EQ(labels.size(), 2U);
    EXPECT_TRUE(labels[0].complete);
    EXPECT_FALSE(labels[1].complete);
    EXPECT_TRUE(labels[1].warnings.contains(
        QStringLiteral("Etiqueta sem ^XZ no fim: a impressora ainda não a imprime")));
}

TEST(ZplCommandTest, LineEndsCountForNothing) {
    const PreviewLabel label = parsedLabel("^XA\r\n^FO1\r\n0,2\r\n0^GB5,5,5^F\r\nS\r\n^X\r\nZ\r\n");
    ASSERT_EQ(label.elements.size(), 1U);
    EXPECT_EQ(label.elements[0].box, QRect(10, 20, 5, 5));
    EXPECT_TRUE(label.complete);
}

}  // namespace
}  // namespace rotulano::preview::test
