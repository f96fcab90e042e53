#include <gtest/gtest.h>

#include <string>

#include "labels/PriceRules.h"
#include "labels/SizeRules.h"

// The price and size rules on the values the golden label files do not hold: the largest
// prices, prices that are not digits, sizes of 19 and 20 characters.
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
                         ::testing::Values(AmountCase{"00000000", "   ", "00", 0},
                                           AmountCase{"00099999", "999", "99", 3},
                                           AmountCase{"99999999", "***", "99", 3},
                                           AmountCase{"000A2345", "***", "45", 3},
                                           AmountCase{"        ", "***", "**", 3}));

TEST(OldPriceTest, NonNumericCountsAsZero) {
    EXPECT_EQ(effectiveOldPrice("        "), "00000000");
    EXPECT_EQ(effectiveOldPrice("00010000"), "00010000");
    EXPECT_FALSE(hasOldPrice("ABCDEFGH"));
    EXPECT_TRUE(hasOldPrice("00000001"));
}

TEST(CentredSizeTest, LongSizesStayWhole) {
    EXPECT_EQ(centredSize("ABCDEFGHIJKLMNOPQRS "), " ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(centredSize(" BCDEFGHIJKLMNOPQRST"), " BCDEFGHIJKLMNOPQRST");
    EXPECT_FALSE(sizeIsBlank("                   X"));
}

}  // namespace
}  // namespace rotulano::labels
