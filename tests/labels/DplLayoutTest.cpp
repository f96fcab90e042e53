#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "LabelItems.h"
#include "core/LabelRequest.h"
#include "labels/DplLayouts.h"
#include "support/TestSupport.h"

// Each case builds an order item and the printer settings, runs its DPL layout and
// compares the print file lines, CR LF after each, with a golden file written from the
// layout tables.
namespace rotulano::labels {
namespace {

using core::FieldSpan;
namespace item = core::item;

// Item of the worked tag example: code "1", 3 labels, price 123,45, size "GG", in blue.
core::OrderLine exampleItem(char code) {
    core::OrderLine line = test::commonItem(code);
    line.set(item::kColour, "AZUL");
    return line;
}

// Pack item: suffix "07", 5 labels, pack code 7890123456708.
core::OrderLine packItem() {
    core::OrderLine line;
    line.set({1, 2}, "19");
    line.set(core::pack::kPackSuffix, "07");
    line.set(item::kQuantity, "000005");
    line.set(core::pack::kPackCode, "7890123456708");
    line.set(core::pack::kPackDescription, "CAIXA COM 12 TOALHAS");
    line.set(core::pack::kSupplierReference, "REF-PACK-0000009");
    line.set(item::kOrderNumber, "654321");
    return line;
}

// Internal item: 7 labels, six across.
core::OrderLine internalItem() {
    core::OrderLine line;
    line.set({1, 2}, "1A");
    line.set(item::kQuantity, "000007");
    line.set(item::kProductCode, "1234500789");
    line.set(core::internal::kDescription, "TOALHA ROSTO AZ");
    line.set(core::internal::kInternalText1, "INT-0001");
    line.set(core::internal::kInternalText2, "TXT2-ABCD");
    line.set(core::internal::kInternalText3, "TX3-0003");
    line.set(item::kOrderNumber, "654321");
    return line;
}

// Model 1, darkness 15, margins 2 and 3 mm, speed "C".
core::PrinterSettings exampleSettings() {
    core::PrinterSettings settings = core::PrinterSettings::defaults();
    settings.setDarkness(15);
    settings.setLeftMargin(2);
    settings.setTopMargin(3);
    settings.setSpeed('C');
    return settings;
}

struct Change {
    FieldSpan span;
    const char* value;
};

// Printer model, darkness and margins (mm) of a case; speed is always "C".
struct Setup {
    int model = 1;
    int darkness = 15;
    int leftMargin = 2;
    int topMargin = 3;
};

struct GoldenCase {
    const char* name;
    LabelRoutine routine;
    char code;
    LogoPoint logo;
    std::vector<Change> changes;
    Setup setup;
};

// The item of a label type code: the pack and internal items for "9" and "A", the worked
// tag item for the others.
core::OrderLine itemOf(char code) {
    return code == '9' ? packItem() : code == 'A' ? internalItem() : exampleItem(code);
}

core::LabelRequest requestFor(const GoldenCase& test) {
    core::LabelRequest request{itemOf(test.code), exampleSettings()};
    for (const Change& change : test.changes) {
        request.line.set(change.span, change.value);
    }
    request.settings.setModel(test.setup.model);
    request.settings.setDarkness(test.setup.darkness);
    request.settings.setLeftMargin(test.setup.leftMargin);
    request.settings.setTopMargin(test.setup.topMargin);
    return request;
}

// clang-format off
const LogoPoint kAfter = LogoPoint::AfterNaming;
const LogoPoint kBefore = LogoPoint::BeforeNaming;
const LogoPoint kNone = LogoPoint::None;
const Setup kStandard{};

const std::vector<GoldenCase>& goldenCases() {
    static const std::vector<GoldenCase> cases = {
        {"dpl01_tag_example", rotinaEtqDpl01, '1', kAfter, {}, kStandard},
        {"dpl01_large_adhesive", rotinaEtqDpl01, '3', kAfter, {}, kStandard},
        {"dpl01_tag_blank_size", rotinaEtqDpl01, '1', kAfter, {{item::kSize, ""}}, kStandard},
        {"dpl01_tag_small_price", rotinaEtqDpl01, '1', kAfter,
         {{item::kPrice, "00000100"}, {item::kSize, "ABCD EFG"},
          {item::kItemReference, "AB CD  EF"}, {item::kProductCode, "1020304050"},
          {item::kQuantity, "000001"}}, kStandard},
        {"dpl01_tag_full_size", rotinaEtqDpl01, '1', kAfter,
         {{item::kSize, "ABCDEFGHIJKLMNOPQRST"}, {item::kQuantity, "000000"}}, kStandard},
        {"dpl01_tag_size_leading_blanks", rotinaEtqDpl01, '1', kAfter,
         {{item::kSize, "  X"}}, kStandard},
        {"dpl01_offer_code4", rotinaEtqDpl01, '4', kNone, {}, kStandard},
        {"dpl01_offer_code5", rotinaEtqDpl01, '5', kNone, {}, kStandard},
        {"dpl01_offer_code6", rotinaEtqDpl01, '6', kNone, {}, kStandard},
        {"dpl01_offer_code7", rotinaEtqDpl01, '7', kNone, {}, kStandard},
        {"dpl01_offer_old_price_not_numeric", rotinaEtqDpl01, '4', kNone,
         {{item::kOldPrice, "  12,50 "}}, kStandard},
        {"dpl01_offer_blank_size", rotinaEtqDpl01, '4', kNone,
         {{item::kSize, ""}}, kStandard},
        {"dpl01_offer_old_price_code5", rotinaEtqDpl01, '5', kNone,
         {{item::kOldPrice, "00010000"}, {item::kPrice, "00000050"}}, kStandard},
        {"dpl01_offer_old_price_code7", rotinaEtqDpl01, '7', kNone,
         {{item::kOldPrice, "00002990"}, {item::kPrice, "00001990"}}, kStandard},
        {"dpl01_offer_old_price_blank_size", rotinaEtqDpl01, '6', kNone,
         {{item::kOldPrice, "00000500"}, {item::kSize, ""}}, kStandard},
        {"dpl01_model2", rotinaEtqDpl01, '1', kAfter, {}, {2, 15, 2, 3}},
        {"dpl01_model3", rotinaEtqDpl01, '1', kAfter, {}, {3, 15, 2, 3}},
        {"dpl01_darkness00", rotinaEtqDpl01, '1', kAfter, {}, {1, 0, 2, 3}},
        {"dpl02_size_len1", rotinaEtqDpl02, '2', kNone, {{item::kSize, "M"}}, kStandard},
        {"dpl02_size_len2", rotinaEtqDpl02, '2', kNone, {{item::kSize, "GG"}}, kStandard},
        {"dpl02_size_len2_leading_blank", rotinaEtqDpl02, '2', kNone,
         {{item::kSize, " P"}}, kStandard},
        {"dpl02_size_len3", rotinaEtqDpl02, '2', kNone,
         {{item::kSize, "XGG"}}, kStandard},
        {"dpl02_size_len4", rotinaEtqDpl02, '2', kNone,
         {{item::kSize, "ABCD EFG"}}, kStandard},
        {"dpl02_size_len5", rotinaEtqDpl02, '2', kNone,
         {{item::kSize, "12345678"}}, kStandard},
        {"dpl02_size_beyond_five", rotinaEtqDpl02, '2', kNone,
         {{item::kSize, "     XYZ"}}, kStandard},
        {"dpl02_size_blank", rotinaEtqDpl02, '2', kNone, {{item::kSize, ""}}, kStandard},
        {"dpl02_model3_darkness00", rotinaEtqDpl02, '2', kNone,
         {{item::kPrice, "00010050"}}, {3, 0, 2, 3}},
        {"dpl08_towel", rotinaEtqDpl08, '8', kBefore, {}, kStandard},
        {"dpl08_model4", rotinaEtqDpl08, '8', kBefore, {}, {4, 15, 2, 3}},
        {"dpl09_pack_darkness01_margins", rotinaEtqDpl09, '9', kAfter, {}, {1, 1, 5, 7}},
        {"dplA_internal_quantity7", rotinaEtqDplA, 'A', kNone, {}, kStandard},
    };
    return cases;
}
// clang-format on

void PrintTo(const GoldenCase& test, std::ostream* out) {
    *out << test.name;
}

class DplGoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(DplGoldenTest, WritesTheGoldenFileByteForByte) {
    const GoldenCase& test = GetParam();
    const std::string golden = rotulano::test::readBytes(
        rotulano::test::dataPath(std::string("dpl/") + test.name + ".dpl"));
    ASSERT_FALSE(golden.empty()) << test.name;
    const LabelOutput output = test.routine(requestFor(test));
    EXPECT_EQ(test::printFile(output), golden);
    EXPECT_EQ(output.logo, test.logo);
}

INSTANTIATE_TEST_SUITE_P(Layouts, DplGoldenTest, ::testing::ValuesIn(goldenCases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace rotulano::labels
