#include <gtest/gtest.h>

#include <string>

#include "core/OrderLine.h"
#include "core/PrinterSettings.h"
#include "labels/CopyRules.h"
#include "labels/HeaderRules.h"
#include "labels/SummaryRules.h"

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
                         ::testing::Values(CopiesCase{0, 2, "0000"}, CopiesCase{1, 2, "0001"},
                                           CopiesCase{3, 2, "0002"}, CopiesCase{4, 2, "0002"},
                                           CopiesCase{7, 6, "0002"}, CopiesCase{6, 6, "0001"},
                                           CopiesCase{19999, 2, "10000"},
                                           CopiesCase{20000, 2, "10000"},
                                           CopiesCase{999999, 2, "500000"}));

TEST(CountTextTest, WidthIsAMinimum) {
    EXPECT_EQ(countText(24, 2), "24");
    EXPECT_EQ(countText(104, 2), "104");
    EXPECT_EQ(countText(16, 3), "016");
    EXPECT_EQ(countText(3), "0003");
}

core::OrderLine lineOfCode(char code) {
    std::string bytes(300, ' ');
    bytes[0] = '1';
    bytes[1] = code;
    bytes.replace(4, 6, "000003");
    bytes.replace(20, 15, "DESCRICAO CURTA");
    bytes.replace(72, 16, "PACK-REF-7388XYZ");
    bytes.replace(77, 16, "REF-FORNEC-0001 ");
    bytes.replace(294, 6, "654321");
    return core::OrderLine(bytes);
}

TEST(SummaryTextTest, PicksTheReferenceByLabelType) {
    EXPECT_EQ(summaryText(lineOfCode('1'), kZplSummaryWords),
              "Pedido: 654321 S/Ref: REF-FORNEC-0001  Qtd.: 0003");
    const SummaryWords internalWords{"Pedido: ", " S/Ref: ", "  Qtd.: "};
    EXPECT_EQ(summaryText(lineOfCode('A'), internalWords),
              "Pedido: 654321 S/Ref: DESCRICAO CURTA  Qtd.: 0003");
    const SummaryWords dplWords{"Pedido: ", " S/Ref: ", " Qtd: "};
    EXPECT_EQ(summaryText(lineOfCode('8'), dplWords),
              "Pedido: 654321 S/Ref: REF-FORNEC-0001  Qtd: 0003");
}

TEST(SummaryTextTest, PackPrintsPositions73To88AsTheyStand) {
    core::OrderLine line = lineOfCode('9');
    line.set(core::FieldSpan{73, 16}, "PACK-REF-7388XYZ");
    EXPECT_EQ(summaryReference(line), "PACK-REF-7388XYZ");
}

TEST(SummaryTextTest, NulBytesInTheReferencePrintAsBlanks) {
    core::OrderLine line = lineOfCode('2');
    line.set(core::item::kSupplierReference, std::string(16, '\0'));
    EXPECT_EQ(summaryText(line, kZplSummaryWords),
              "Pedido: 654321 S/Ref:                  Qtd.: 0003");
}

TEST(SummaryTextTest, LargeQuantityKeepsEveryDigit) {
    core::OrderLine line = lineOfCode('1');
    line.set(core::item::kQuantity, "020000");
    EXPECT_EQ(summaryText(line, kZplSummaryWords),
              "Pedido: 654321 S/Ref: REF-FORNEC-0001  Qtd.: 20000");
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
        HeaderCase{"15", "02", "03", 'C', 2, "^MD15", "^LH16,24", "^PRC", "15", "0020", "0030"},
        HeaderCase{"15", "02", "03", 'C', 3, "^MD15", "^LH016,024", "^PRC", "15", "0020", "0030"},
        HeaderCase{"00", "13", "13", 'A', 2, "^MD00", "^LH104,104", "^PRA", "07", "0130", "0130"},
        HeaderCase{"01", "13", "00", 'S', 3, "^MD01", "^LH104,000", "^PRS", "01", "0130", "0000"},
        HeaderCase{"30", "00", "00", 'E', 2, "^MD30", "^LH00,00", "^PRE", "30", "0000", "0000"},
        HeaderCase{"10", "99", "05", 'D', 3, "^MD10", "^LH792,040", "^PRD", "10", "0990", "0050"}));

}  // namespace
}  // namespace rotulano::labels
