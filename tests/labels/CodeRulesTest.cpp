#include <gtest/gtest.h>

#include <string>

#include "labels/CodeRules.h"
#include "labels/TextRules.h"

namespace rotulano::labels {
namespace {

struct SlotCase {
    std::string value;
    std::size_t width;
    std::string expected;
};

class TextSlotTest : public ::testing::TestWithParam<SlotCase> {};

TEST_P(TextSlotTest, CutsPadsAndBlanksControlBytes) {
    EXPECT_EQ(textSlot(GetParam().value, GetParam().width), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Slots, TextSlotTest,
                         ::testing::Values(SlotCase{"ABC", 5, "ABC  "},
                                           SlotCase{"ABCDEFG", 4, "ABCD"}, SlotCase{"", 3, "   "},
                                           SlotCase{" A ", 3, " A "},
                                           SlotCase{std::string("RE\0F", 4), 5, "RE F "},
                                           SlotCase{"A\x02"
                                                    "B\r\n",
                                                    5, "A B  "},
                                           SlotCase{"\xC7\xC3O", 3, "\xC7\xC3O"}));

TEST(LetterOForZeroTest, ReplacesEveryZeroAndNothingElse) {
    EXPECT_EQ(letterOForZero("10-A0B 100200-300-0"), "1O-AOB 1OO2OO-3OO-O");
    EXPECT_EQ(letterOForZero("  5"), "  5");
    EXPECT_EQ(letterOForZero(""), "");
}

TEST(ZplFieldTextTest, BlanksCommandPrefixes) {
    EXPECT_EQ(zplFieldText("A^FSB~JR"), "A FSB JR");
    EXPECT_EQ(zplFieldText("R$ 10,00"), "R$ 10,00");
}

struct CodeLineCase {
    std::string section;
    std::string reference;
    std::string product;
    std::string expected;
};

class CodeLineTest : public ::testing::TestWithParam<CodeLineCase> {};

TEST_P(CodeLineTest, BuildsThirtyCharacters) {
    const auto& c = GetParam();
    const std::string line = codeLine(c.section, c.reference, c.product);
    EXPECT_EQ(line, c.expected);
    EXPECT_EQ(line.size(), 30u);
}

INSTANTIATE_TEST_SUITE_P(
    References, CodeLineTest,
    ::testing::Values(
        CodeLineCase{"12", "F95TEXTO    ", "1234567890", "12-F95TEXTO 123456-789-0      "},
        CodeLineCase{"12", "AB CD  EF   ", "1234567890", "12-AB CD 123456-789-0         "},
        CodeLineCase{"07", "ABCDEFGHIJKL", "0000000001", "07-ABCDEFGHIJKL 000000-000-1  "},
        CodeLineCase{"07", "ABCDEFGHIJK ", "1234567890", "07-ABCDEFGHIJK  123456-789-0  "},
        CodeLineCase{"99", "            ", "1234567890", "99- 123456-789-0              "}));

TEST(PackLinesTest, GroupArticleAndOrderWithTheLanguageSeparator) {
    EXPECT_EQ(packArticleLine("1234567890123", '.'), "Artigo 123456.78.90.12.3      ");
    EXPECT_EQ(packArticleLine("1234567890123", '-'), "Artigo 123456-78-90-12-3      ");
    EXPECT_EQ(packOrderLine("654321", '.', "07"), "Pedido 654321.07              ");
    EXPECT_EQ(packOrderLine("654321", '-', "AB"), "Pedido 654321-AB              ");
}

TEST(InternalCodeTextTest, GroupsSixThreeOneWithPoints) {
    EXPECT_EQ(internalCodeText("1234567890"), "123456.789.0");
    EXPECT_EQ(letterOForZero(internalCodeText("1000000000")), "1OOOOO.OOO.O");
}

TEST(BarCodeDataTest, Ean13GetsTwoZerosAndInterleavedKeepsThePackCode) {
    EXPECT_EQ(ean13Data("1234567890"), "001234567890");
    EXPECT_EQ(ean13Data("0000000000"), "000000000000");
    EXPECT_EQ(interleavedData("7891234567895"), "7891234567895");
}

TEST(GroupedDigitsTest, MissingDigitsReadAsBlanks) {
    EXPECT_EQ(groupedDigits("12345", {3, 3}, '-'), "123-45 ");
    EXPECT_EQ(groupedDigits("123456", {2, 2}, '.'), "12.34");
}

}  // namespace
}  // namespace rotulano::labels
