#include <gtest/gtest.h>

#include <string>

#include "core/PrinterSettings.h"
#include "labels/CopyRules.h"
#include "labels/HeaderRules.h"

// The copy and header rules on the values the golden label files do not hold: quantities
// in blanks, copies past 9999, every speed letter, margins of two digits.
namespace rotulano::labels {
namespace {

TEST(LabelQuantityTest, ReadsDigitsAndRefusesOtherText) {
    EXPECT_EQ(labelQuantity("000003"), 3);
    EXPECT_EQ(labelQuantity("020000"), 20000);
    EXPECT_EQ(labelQuantity("    12"), 12);
    EXPECT_EQ(labelQuantity("12    "), 12);
    EXPECT_EQ(labelQuantity("      "), 0);
    EXPECT_EQ(labelQuantity("1 2   "), 0);
    EXPECT_EQ(labelQuantity("00A003"), 0);
}

struct CopiesCase {
    long long quantity;
    int columns;
    std::string copies;
};

class CopiesTest : public ::testing::TestWithParam<CopiesCase> {};

TEST_P(CopiesTest, RoundsUpAndKeepsEveryDigit) {
    EXPECT_EQ(countText(copiesFor(GetParam().quantity, GetParam().columns)), GetParam().copies);
}

INSTANTIATE_TEST_SUITE_P(Quantities, CopiesTest,
                         ::testing::Values(CopiesCase{4, 2, "0002"}, CopiesCase{6, 6, "0001"},
                                           CopiesCase{19999, 2, "10000"},
                                           CopiesCase{999999, 2, "500000"}));

TEST(CountTextTest, WidthIsAMinimum) {
    EXPECT_EQ(countText(24, 2), "24");
    EXPECT_EQ(countText(104, 2), "104");
    EXPECT_EQ(countText(16, 3), "016");
    EXPECT_EQ(countText(3), "0003");
}

core::PrinterSettings settingsWith(const std::string& darkness, const std::string& left,
                                   const std::string& top, char speed) {
    std::string record = core::PrinterSettings::defaults().record();
    record.replace(5, 2, darkness);
    record.replace(8, 2, left);
    record.replace(10, 2, top);
    record[12] = speed;
    return core::PrinterSettings(record);
}

struct HeaderCase {
    std::string darkness, left, top;
    char speed;
    std::size_t homeDigits;
    std::string md, lh, pr, heat, column, row;
};

class HeaderRulesTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderRulesTest, SettingsBecomeHeaderValues) {
    const auto& c = GetParam();
    const core::PrinterSettings settings = settingsWith(c.darkness, c.left, c.top, c.speed);
    EXPECT_EQ(zplDarknessCommand(settings), c.md);
    EXPECT_EQ(zplLabelHomeCommand(settings, c.homeDigits), c.lh);
    EXPECT_EQ(zplSpeedCommand(settings), c.pr);
    EXPECT_EQ(dplHeatDigits(settings), c.heat);
    EXPECT_EQ(dplMarginTenths(settings.leftMarginDigits()), c.column);
    EXPECT_EQ(dplMarginTenths(settings.topMarginDigits()), c.row);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, HeaderRulesTest,
    ::testing::Values(
        HeaderCase{"00", "13", "13", 'A', 2, "^MD00", "^LH104,104", "^PRA", "07", "0130", "0130"},
        HeaderCase{"01", "13", "00", 'S', 3, "^MD01", "^LH104,000", "^PRS", "01", "0130", "0000"},
        HeaderCase{"30", "00", "00", 'E', 2, "^MD30", "^LH00,00", "^PRE", "30", "0000", "0000"},
        HeaderCase{"10", "99", "05", 'D', 3, "^MD10", "^LH792,040", "^PRD", "10", "0990", "0050"}));

}  // namespace
}  // namespace rotulano::labels
