#include <gtest/gtest.h>

#include <string>

#include "LabelItems.h"
#include "labels/CodeRules.h"
#include "labels/DplLayouts.h"
#include "labels/LetterCheck.h"
#include "labels/RoutineChoice.h"
#include "labels/ZplLayouts.h"
#include "support/TestSupport.h"

// The letters of the order on the labels: written in code page 850, the printer's, in
// every text field; bar code data as they stand; a letter without a printer byte
// printed as "?" and told to the job.
namespace rotulano::labels {
namespace {

namespace item = core::item;

constexpr int kDatamaxModel = 1;
constexpr int kZebraModel = 5;

// Model 1 (Datamax), darkness 15, margins 2 and 3 mm, speed C.
core::PrinterSettings datamaxSettings() {
    core::PrinterSettings settings = test::zebraSettings();
    settings.setModel(kDatamaxModel);
    return settings;
}

struct AccentedCase {
    const char* file;
    LabelRoutine routine;
    char code;
    core::PrinterSettings settings;
};

void PrintTo(const AccentedCase& test, std::ostream* out) {
    *out << test.file;
}

class AccentedGoldenTest : public ::testing::TestWithParam<AccentedCase> {};

TEST_P(AccentedGoldenTest, WritesTheLettersInCodePage850) {
    const AccentedCase& test = GetParam();
    const std::string golden = rotulano::test::readBytes(rotulano::test::dataPath(test.file));
    ASSERT_FALSE(golden.empty()) << test.file;
    const core::LabelRequest request{test::accentedItem(test.code), test.settings};
    EXPECT_EQ(test::printFile(test.routine(request)), golden);
}

INSTANTIATE_TEST_SUITE_P(Layouts, AccentedGoldenTest,
                         ::testing::Values(AccentedCase{"zpl/zpl01_tag_accented.zpl",
                                                        rotinaEtqZpl01, '1', test::zebraSettings()},
                                           AccentedCase{"dpl/dpl01_tag_accented.dpl",
                                                        rotinaEtqDpl01, '1', datamaxSettings()},
                                           AccentedCase{"dpl/dpl02_adhesive_accented.dpl",
                                                        rotinaEtqDpl02, '2', datamaxSettings()}),
                         [](const ::testing::TestParamInfo<AccentedCase>& info) {
                             const std::string file = info.param.file;
                             return file.substr(4, file.find('.') - 4);
                         });

TEST(AccentedLabelRules, BarCodeDataKeepTheOrderBytesWhileTheCodeLineIsConverted) {
    const std::string productCode = "123456789\xC1";
    EXPECT_EQ(ean13Data(productCode), "00123456789\xC1");
    EXPECT_EQ(interleavedData("789123456789\xC1"), "789123456789\xC1");
    EXPECT_EQ(codeLine("12", "CAMIS\xC3O", productCode), "12-CAMIS\xC7O 123456-789-\xB5       ");
}

struct LetterCheckCase {
    const char* name;
    int model;
    char code;
    core::FieldSpan span;
    std::string value;
    bool unprintable;
};

void PrintTo(const LetterCheckCase& test, std::ostream* out) {
    *out << test.name;
}

class LetterCheckTest : public ::testing::TestWithParam<LetterCheckCase> {};

TEST_P(LetterCheckTest, TellsWhetherALetterPrintedAsQuestionMark) {
    const LetterCheckCase& test = GetParam();
    core::PrinterSettings settings = test::zebraSettings();
    settings.setModel(test.model);
    core::LabelRequest request{test::commonItem(test.code), settings};
    request.line.set(test.span, test.value);
    const LabelRoutine routine = chooseLabelRoutine(test.model, test.code);
    ASSERT_NE(routine, nullptr);
    EXPECT_EQ(withLetterCheck(routine, request).unprintableLetters, test.unprintable);
    EXPECT_FALSE(routine(request).unprintableLetters);
}

// ZPL-01 prints the first 27 characters of the description, DPL-02 all 30: a euro sign
// in position 28 reaches only DPL-02's label. The colour is printed by no layout.
INSTANTIATE_TEST_SUITE_P(
    Items, LetterCheckTest,
    ::testing::Values(
        LetterCheckCase{"AllAscii", kZebraModel, '1', item::kDescription, "CAMISETA", false},
        LetterCheckCase{"LatinLettersOnly", kZebraModel, '1', item::kDescription,
                        "B\xC1SICA VER\xC3O \x93SOFT\x94", false},
        LetterCheckCase{"QuestionMarkOfTheOrder", kZebraModel, '1', item::kDescription, "PRE\xC7O?",
                        false},
        LetterCheckCase{"EuroInTheDescription", kZebraModel, '1', item::kDescription,
                        "PRE\xC7O \x80", true},
        LetterCheckCase{"EuroInTheSideText", kDatamaxModel, '1', item::kSideText, "\x80", true},
        LetterCheckCase{"EuroBeyondTheTagDescription", kZebraModel, '1', item::kDescription,
                        std::string(27, 'A') + "\x80", false},
        LetterCheckCase{"EuroInTheSmallAdhesiveDescription", kDatamaxModel, '2', item::kDescription,
                        std::string(27, 'A') + "\x80", true},
        LetterCheckCase{"UnusedByteInTheSummaryReference", kDatamaxModel, '8',
                        item::kSupplierReference, "REF\x81", true},
        LetterCheckCase{"EuroInTheColour", kZebraModel, '1', item::kColour, "\x80", false}),
    [](const ::testing::TestParamInfo<LetterCheckCase>& info) {
        return std::string(info.param.name);
    });

}  // namespace
}  // namespace rotulano::labels
