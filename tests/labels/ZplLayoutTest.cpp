#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LabelItems.h"
#include "labels/ZplLayouts.h"
#include "support/TestSupport.h"

namespace rotulano::labels {
namespace {

using test::commonItem;
using test::zebraSettings;

struct GoldenCase {
    std::string file;
    LabelRoutine routine;
    core::LabelRequest request;
    LogoPoint logo;
};

std::ostream& operator<<(std::ostream& out, const GoldenCase& golden) {
    return out << golden.file;
}

core::LabelRequest request(core::OrderLine line) {
    return core::LabelRequest{std::move(line), zebraSettings()};
}

core::LabelRequest itemWith(char code, core::FieldSpan span, const std::string& value) {
    core::OrderLine line = commonItem(code);
    line.set(span, value);
    return request(line);
}

core::LabelRequest offer(char code, const std::string& oldPrice, const std::string& price) {
    core::OrderLine line = commonItem(code);
    line.set(core::item::kOldPrice, oldPrice);
    line.set(core::item::kPrice, price);
    return request(line);
}

core::LabelRequest withMargins13(core::OrderLine line) {
    return core::LabelRequest{std::move(line), test::withMargins(zebraSettings(), 13)};
}

std::vector<GoldenCase> tagCases() {
    namespace item = core::item;
    const auto after = LogoPoint::AfterNaming;
    const auto none = LogoPoint::None;
    core::OrderLine offerBlank = commonItem('4');
    offerBlank.set(item::kSize, "");
    offerBlank.set(item::kOldPrice, "00000590");
    core::OrderLine prefixes = commonItem('1');
    prefixes.set(item::kDescription, "DESCRICAO ^FS PRODUTO");
    prefixes.set(item::kSideText, "COL9~JR");
    return {
        {"zpl01_tag_example", rotinaEtqZpl01, request(commonItem('1')), after},
        {"zpl01_large_adhesive", rotinaEtqZpl01, request(commonItem('3')), after},
        {"zpl01_offer_code4", rotinaEtqZpl01, request(commonItem('4')), none},
        {"zpl01_offer_code6", rotinaEtqZpl01, request(commonItem('6')), none},
        {"zpl01_offer_code5", rotinaEtqZpl01, request(commonItem('5')), none},
        {"zpl01_offer_code7", rotinaEtqZpl01, request(commonItem('7')), none},
        {"zpl01_offer_old_price_code4", rotinaEtqZpl01, offer('4', "00010000", "00000050"), none},
        {"zpl01_offer_old_price_code7", rotinaEtqZpl01, offer('7', "00010000", "00000050"), none},
        {"zpl01_offer_old_price_blank_size", rotinaEtqZpl01, request(offerBlank), none},
        {"zpl01_offer_old_price_not_numeric", rotinaEtqZpl01, offer('5', "0001000X", "00012345"),
         none},
        {"zpl01_offer_blank_size", rotinaEtqZpl01, itemWith('6', item::kSize, ""), none},
        {"zpl01_tag_price_005", rotinaEtqZpl01, itemWith('1', item::kPrice, "00000005"), after},
        {"zpl01_tag_price_1990", rotinaEtqZpl01, itemWith('1', item::kPrice, "00001990"), after},
        {"zpl01_tag_price_700", rotinaEtqZpl01, itemWith('1', item::kPrice, "00000700"), after},
        {"zpl01_tag_price_1234_56", rotinaEtqZpl01, itemWith('1', item::kPrice, "00123456"), after},
        {"zpl01_tag_size_blank", rotinaEtqZpl01, itemWith('1', item::kSize, ""), after},
        {"zpl01_tag_size_m", rotinaEtqZpl01, itemWith('1', item::kSize, "M"), after},
        {"zpl01_tag_size_abcd_efg", rotinaEtqZpl01, itemWith('1', item::kSize, "ABCD EFG"), after},
        {"zpl01_tag_item_reference_pair", rotinaEtqZpl01,
         itemWith('1', item::kItemReference, "AB CD  EF"), after},
        {"zpl01_tag_quantity_0", rotinaEtqZpl01, itemWith('1', item::kQuantity, "000000"), after},
        {"zpl01_tag_quantity_1", rotinaEtqZpl01, itemWith('1', item::kQuantity, "000001"), after},
        {"zpl01_tag_quantity_20000", rotinaEtqZpl01, itemWith('1', item::kQuantity, "020000"),
         after},
        {"zpl01_tag_margins_13", rotinaEtqZpl01, withMargins13(commonItem('1')), after},
        {"zpl01_tag_reference_nul", rotinaEtqZpl01,
         itemWith('1', item::kSupplierReference, std::string(16, '\0')), after},
        {"zpl01_tag_command_prefix_in_text", rotinaEtqZpl01, request(prefixes), after},
    };
}

std::vector<GoldenCase> otherCases() {
    namespace item = core::item;
    const auto none = LogoPoint::None;
    const auto before = LogoPoint::BeforeNaming;
    return {
        {"zpl02_small_adhesive", rotinaEtqZpl02, request(commonItem('2')), none},
        {"zpl02_size_m", rotinaEtqZpl02, itemWith('2', item::kSize, "M"), none},
        {"zpl02_size_xgg", rotinaEtqZpl02, itemWith('2', item::kSize, "XGG"), none},
        {"zpl02_size_abcd_efg", rotinaEtqZpl02, itemWith('2', item::kSize, "ABCD EFG"), none},
        {"zpl02_size_abcdefgh", rotinaEtqZpl02, itemWith('2', item::kSize, "ABCDEFGH"), none},
        {"zpl02_size_blank", rotinaEtqZpl02, itemWith('2', item::kSize, ""), none},
        {"zpl02_price_100", rotinaEtqZpl02, itemWith('2', item::kPrice, "00010000"), none},
        {"zpl02_price_005", rotinaEtqZpl02, itemWith('2', item::kPrice, "00000005"), none},
        {"zpl02_margins_13", rotinaEtqZpl02, withMargins13(commonItem('2')), none},
        {"zpl08_towel", rotinaEtqZpl08, request(commonItem('8')), before},
        {"zpl08_towel_price_1990", rotinaEtqZpl08, itemWith('8', item::kPrice, "00001990"), before},
        {"zpl08_towel_price_700", rotinaEtqZpl08, itemWith('8', item::kPrice, "00000700"), before},
        {"zpl08_towel_price_005", rotinaEtqZpl08, itemWith('8', item::kPrice, "00000005"), before},
        {"zpl09_pack", rotinaEtqZpl09, request(test::packItem()), LogoPoint::AfterNaming},
        {"zplA_internal_quantity7", rotinaEtqZplA, request(test::internalItem()), none},
        {"zplA_internal_margins_13", rotinaEtqZplA, withMargins13(test::internalItem()), none},
    };
}

class ZplGoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(ZplGoldenTest, WritesTheGoldenBytes) {
    const GoldenCase& golden = GetParam();
    const std::string expected =
        rotulano::test::readBytes(rotulano::test::dataPath("zpl/" + golden.file + ".zpl"));
    ASSERT_FALSE(expected.empty()) << golden.file;
    const LabelOutput output = golden.routine(golden.request);
    EXPECT_EQ(test::printFile(output), expected);
    EXPECT_EQ(output.logo, golden.logo);
}

INSTANTIATE_TEST_SUITE_P(TagLayouts, ZplGoldenTest, ::testing::ValuesIn(tagCases()),
                         [](const auto& info) { return info.param.file; });
INSTANTIATE_TEST_SUITE_P(OtherLayouts, ZplGoldenTest, ::testing::ValuesIn(otherCases()),
                         [](const auto& info) { return info.param.file; });

}  // namespace
}  // namespace rotulano::labels
