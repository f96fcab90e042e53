#include <gtest/gtest.h>

#include <string>

#include "labels/PriceRules.h"
#include "labels/SizeRules.h"

namespace rotulano::labels {
namespace {

struct AmountCase {
    std::string field;
    std::string integerPart;
    std::string decimals;
    int significant;
};

class EditAmountTest : public ::testing::TestWithParam<AmountCase> {};

TEST_P(EditAmountTest, EditsIntegerPartAndDecimals) {
    const EditedAmount edited = editAmount(GetParam().field);
    EXPECT_EQ(edited.integerPart, GetParam().integerPart);
    EXPECT_EQ(edited.decimals, GetParam().decimals);
    EXPECT_EQ(edited.significantDigits, GetParam().significant);
}

INSTANTIATE_TEST_SUITE_P(Prices, EditAmountTest,
                         ::testing::Values(AmountCase{"00012345", "123", "45", 3},
                                           AmountCase{"00001990", " 19", "90", 2},
                                           AmountCase{"00000500", "  5", "00", 1},
                                           AmountCase{"00000005", "   ", "05", 0},
                                           AmountCase{"00000000", "   ", "00", 0},
                                           AmountCase{"00010000", "100", "00", 3},
                                           AmountCase{"00099999", "999", "99", 3},
                                           AmountCase{"00123456", "***", "56", 3},
                                           AmountCase{"99999999", "***", "99", 3},
                                           AmountCase{"000A2345", "***", "45", 3},
                                           AmountCase{"        ", "***", "**", 3}));

TEST(OldPriceTest, NonNumericCountsAsZero) {
    EXPECT_EQ(effectiveOldPrice("0001000A"), "00000000");
    EXPECT_EQ(effectiveOldPrice("        "), "00000000");
    EXPECT_EQ(effectiveOldPrice("00010000"), "00010000");
    EXPECT_FALSE(hasOldPrice("00000000"));
    EXPECT_FALSE(hasOldPrice("ABCDEFGH"));
    EXPECT_TRUE(hasOldPrice("00000001"));
    EXPECT_TRUE(hasOldPrice("00010000"));
}

TEST(LargePriceXTest, FollowsTheSignificantDigits) {
    const int tag[] = {146, 120, 90, 56};
    const int towel[] = {170, 144, 114, 80};
    for (int digits = 0; digits <= 3; ++digits) {
        EXPECT_EQ(zplLargePriceX(LargePriceLayout::Tag01, digits), tag[digits]) << digits;
        EXPECT_EQ(zplLargePriceX(LargePriceLayout::Towel08, digits), towel[digits]) << digits;
    }
}

struct CentredCase {
    std::string size;
    std::string expected;
};

class CentredSizeTest : public ::testing::TestWithParam<CentredCase> {};

TEST_P(CentredSizeTest, CentresOnTheLastNonBlank) {
    EXPECT_EQ(centredSize(GetParam().size), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, CentredSizeTest,
    ::testing::Values(CentredCase{"M                   ", "          M         "},
                      CentredCase{"GG                  ", "         GG         "},
                      CentredCase{"ABCD EFG            ", "      ABCD EFG      "},
                      CentredCase{"  XL                ", "          XL        "},
                      CentredCase{"ABCDEFGHIJKLMNOPQRS ", " ABCDEFGHIJKLMNOPQRS"},
                      CentredCase{"ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOPQRST"},
                      CentredCase{" BCDEFGHIJKLMNOPQRST", " BCDEFGHIJKLMNOPQRST"}));

TEST(SizeIsBlankTest, OnlyAllBlanksCount) {
    EXPECT_TRUE(sizeIsBlank(std::string(20, ' ')));
    EXPECT_FALSE(sizeIsBlank("                   X"));
    EXPECT_FALSE(sizeIsBlank("M                   "));
}

struct SmallSizeCase {
    std::string size;
    int length;
    std::string zplSlot;
    int zplX;
};

class SmallSizeTest : public ::testing::TestWithParam<SmallSizeCase> {};

TEST_P(SmallSizeTest, LengthSlotAndZplX) {
    const auto& c = GetParam();
    const int length = smallSizeLength(c.size);
    EXPECT_EQ(length, c.length);
    const ZplSmallSizePlacement placement = zplSmallSizePlacement(length);
    EXPECT_EQ(smallSizeSlot(c.size, placement.leadingBlanks), c.zplSlot);
    EXPECT_EQ(placement.x, c.zplX);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SmallSizeTest,
                         ::testing::Values(SmallSizeCase{"M                   ", 1, "  M  ", 20},
                                           SmallSizeCase{"GG                  ", 2, "  GG ", 16},
                                           SmallSizeCase{"XGG                 ", 3, " XGG ", 16},
                                           SmallSizeCase{"ABCD EFG            ", 4, " ABCD", 12},
                                           SmallSizeCase{"ABCDEFGH            ", 5, "ABCDE", 8},
                                           SmallSizeCase{"     X              ", 1, "     ", 20},
                                           SmallSizeCase{" M                  ", 2, "   M ", 16}));

TEST(SmallSizeSlotTest, DplLeadingBlanksComeFromTheCaller) {
    EXPECT_EQ(smallSizeSlot("GG", 1), " GG  ");
    EXPECT_EQ(smallSizeSlot("M", 2), "  M  ");
}

}  // namespace
}  // namespace rotulano::labels
