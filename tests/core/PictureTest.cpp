#include <gtest/gtest.h>

#include "core/Picture.h"

using rotulano::core::formatDigits;
using rotulano::core::formatNumber;

struct NumberCase {
    const char* picture;
    long long value;
    int decimals;
    const char* shown;
};

class PictureNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(PictureNumbers, ShowsTheValueThroughThePicture) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.picture, c.value, c.decimals), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    GridColumns, PictureNumbers,
    ::testing::Values(
        NumberCase{"ZZZ.ZZZ", 12, 0, "     12"}, NumberCase{"ZZZ.ZZZ", 1234, 0, "  1.234"},
        NumberCase{"ZZZ.ZZZ", 999999, 0, "999.999"}, NumberCase{"ZZZ.ZZZ", 0, 0, "       "},
        NumberCase{"ZZZ.ZZZ", 1234567, 0, "234.567"}, NumberCase{"ZZZZ,ZZ", 1990, 2, "  19,90"},
        NumberCase{"ZZZZ,ZZ", 5, 2, "    ,05"}, NumberCase{"ZZZZ,ZZ", 123456, 2, "1234,56"},
        NumberCase{"ZZZZ,ZZ", 0, 2, "       "}, NumberCase{"9(03)", 7, 0, "007"},
        NumberCase{"999999B999B9", 1234567890, 0, "123456 789 0"},
        NumberCase{"999999B999B9", 42, 0, "000000 004 2"}));

TEST(PictureDigits, DatesAndCnpjKeepTheirDigitsInFileOrder) {
    EXPECT_EQ(formatDigits("99/99/9999", "09122026"), "09/12/2026");
    EXPECT_EQ(formatDigits("99B999B999B9999B99", "12345678000199"), "12 345 678 0001 99");
    EXPECT_EQ(formatDigits("99/99/9999", "0"), "00/00/0000");
}
