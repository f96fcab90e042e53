#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LabelItems.h"
#include "labels/DplLayouts.h"
#include "labels/RoutineChoice.h"
#include "labels/ZplLayouts.h"

namespace rotulano::labels {
namespace {

core::LabelRequest tagRequest(char code) {
    return core::LabelRequest{test::commonItem(code), test::zebraSettings()};
}

struct ChoiceCase {
    int model;
    char code;
    LabelRoutine expected;
};

class RoutineChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(RoutineChoiceTest, ModelAndLabelTypePickTheRoutine) {
    EXPECT_EQ(chooseLabelRoutine(GetParam().model, GetParam().code), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Zebra, RoutineChoiceTest,
    ::testing::Values(ChoiceCase{5, '1', rotinaEtqZpl01}, ChoiceCase{6, '2', rotinaEtqZpl02},
                      ChoiceCase{5, '3', rotinaEtqZpl01}, ChoiceCase{5, '4', rotinaEtqZpl01},
                      ChoiceCase{5, '5', rotinaEtqZpl01}, ChoiceCase{6, '6', rotinaEtqZpl01},
                      ChoiceCase{5, '7', rotinaEtqZpl01}, ChoiceCase{5, '8', rotinaEtqZpl08},
                      ChoiceCase{5, '9', rotinaEtqZpl09}, ChoiceCase{6, 'A', rotinaEtqZplA},
                      ChoiceCase{5, 'B', nullptr}, ChoiceCase{5, 'a', nullptr},
                      ChoiceCase{5, '0', nullptr}, ChoiceCase{5, ' ', nullptr}));

INSTANTIATE_TEST_SUITE_P(
    DatamaxAndArgox, RoutineChoiceTest,
    ::testing::Values(ChoiceCase{1, '1', rotinaEtqDpl01}, ChoiceCase{4, '2', rotinaEtqDpl02},
                      ChoiceCase{2, '5', rotinaEtqDpl01}, ChoiceCase{3, '8', rotinaEtqDpl08},
                      ChoiceCase{4, '9', rotinaEtqDpl09}, ChoiceCase{1, 'A', rotinaEtqDplA},
                      ChoiceCase{0, '7', rotinaEtqDpl01}, ChoiceCase{4, 'B', nullptr}));

TEST(ZplStateTest, TheSameRequestGivesTheSameLinesWhateverWasPrintedBefore) {
    const std::vector<std::string> fresh = rotinaEtqZpl01(tagRequest('1')).lines;
    core::LabelRequest offer = tagRequest('7');
    offer.line.set(core::item::kOldPrice, "00010000");
    rotinaEtqZpl01(tagRequest('3'));
    rotinaEtqZpl01(offer);
    rotinaEtqZpl02(tagRequest('2'));
    EXPECT_EQ(rotinaEtqZpl01(tagRequest('1')).lines, fresh);
}

TEST(ZplQuantityTest, UnreadableQuantityPrintsNoCopiesAndSaysSo) {
    core::LabelRequest request = tagRequest('1');
    request.line.set(core::item::kQuantity, "00A003");
    const std::vector<std::string> lines = rotinaEtqZpl01(request).lines;
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[lines.size() - 7], "^PQ0000");
    EXPECT_EQ(lines[lines.size() - 3],
              "^FO000,320^A0N,030,038^FDPedido: 654321 S/Ref: REF-FORNEC-0001  Qtd.: 0000^FS");
}

TEST(ZplPackTest, SummaryPrintsPositions73To88EvenWithNulBytesAfterThem) {
    core::LabelRequest request{test::packItem(), test::zebraSettings()};
    request.line.set(core::FieldSpan{89, 5}, std::string(5, '\0'));
    const std::vector<std::string> lines = rotinaEtqZpl09(request).lines;
    EXPECT_EQ(lines[lines.size() - 3],
              "^FO000,016^A0N,030,038^FDPedido: 654321 S/Ref: REF-PACOTE-7388  Qtd.: 0005^FS");
}

}  // namespace
}  // namespace rotulano::labels
