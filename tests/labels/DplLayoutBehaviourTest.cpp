#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "LabelItems.h"
#include "core/LabelRequest.h"
#include "labels/DplLabel.h"
#include "labels/DplLayouts.h"
#include "support/TestSupport.h"

// What the DPL layouts do with damaged or extreme order data, and that they keep no
// state between labels.
namespace rotulano::labels {
namespace {

namespace item = core::item;
const char kStx = '\x02';

core::LabelRequest request(const std::string& typeAndQuantity) {
    core::LabelRequest request;
    request.line.set({1, 10}, typeAndQuantity);
    request.line.set(item::kProductCode, "1234567890");
    request.line.set(item::kDescription, "DESCRICAO DO PRODUTO XYZ");
    request.line.set(item::kPrice, "00012345");
    request.line.set(item::kSupplierReference, "REF-FORNEC-0001");
    request.line.set(item::kItemReference, "F95TEXTO");
    request.line.set(item::kSizeCaption, "TAM");
    request.line.set(item::kSize, "GG");
    request.line.set(item::kSectionCode, "12");
    request.line.set(item::kOldPrice, "00000000");
    request.line.set(item::kOrderNumber, "654321");
    request.settings = core::PrinterSettings::defaults();
    request.settings.setDarkness(15);
    request.settings.setSpeed('C');
    return request;
}

struct RoutineCase {
    const char* name;
    LabelRoutine routine;
    const char* typeAndQuantity;
    const char* summary;  // the summary record with blanks where the reference was
};

const std::vector<RoutineCase>& routineCases() {
    static const std::vector<RoutineCase> cases = {
        {"tag", rotinaEtqDpl01, "11  000003",
         "131100200300020Pedido: 654321 S/Ref:                  Qtd: 0003"},
        {"offer", rotinaEtqDpl01, "14  000003",
         "131100200300020Pedido: 654321 S/Ref:                  Qtd: 0003"},
        {"small_adhesive", rotinaEtqDpl02, "12  000003",
         "121100300500050Pedido: 654321 S/Ref:                  Qtd.: 0003"},
        {"towel", rotinaEtqDpl08, "18  000003",
         "131100200300020Pedido: 654321 S/Ref:                  Qtd: 0003"},
        {"pack", rotinaEtqDpl09, "19  000003",
         "131100200300020Pedido: 654321 S/Ref:                  Qtd: 0003"},
    };
    return cases;
}

void PrintTo(const RoutineCase& test, std::ostream* out) {
    *out << test.name;
}

class DplSummaryTest : public ::testing::TestWithParam<RoutineCase> {};

// A reference field holding NUL bytes (as a job that never fills it leaves it) prints as
// blanks: a NUL inside a DPL record would cut the record short on the printer.
TEST_P(DplSummaryTest, NulBytesInTheReferencePrintAsBlanks) {
    core::LabelRequest nul = request(GetParam().typeAndQuantity);
    nul.line.set({73, 21}, std::string(21, '\0'));
    const std::vector<std::string> out = GetParam().routine(nul).lines;
    ASSERT_GE(out.size(), 5u);
    EXPECT_EQ(out[out.size() - 3], GetParam().summary);
    for (const std::string& line : out) {
        EXPECT_EQ(line.find('\0'), std::string::npos) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, DplSummaryTest, ::testing::ValuesIn(routineCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// Control bytes in any text of the order line never reach the printer inside a record:
// only the system commands start with STX, and no line holds any other control byte.
TEST(DplLayoutTest, ControlBytesInOrderTextPrintAsBlanks) {
    for (const RoutineCase& test : routineCases()) {
        core::LabelRequest hostile = request(test.typeAndQuantity);
        hostile.line.set(item::kDescription, std::string("AB\x02L\rCD\nE\x01") + "F");
        hostile.line.set(item::kSideText,
                         "\x02"
                         "E");
        hostile.line.set(item::kFooterText,
                         "X\x1b"
                         "Y");
        hostile.line.set(core::pack::kPackDescription,
                         "\x02q\x02"
                         "C");
        for (const std::string& line : test.routine(hostile).lines) {
            for (std::size_t i = 0; i < line.size(); ++i) {
                const auto byte = static_cast<unsigned char>(line[i]);
                const bool commandStart = i == 0 && line[i] == kStx;
                EXPECT_TRUE(byte >= 0x20 || commandStart) << test.name << ": " << line;
            }
        }
    }
}

TEST(DplLayoutTest, InternalLabelSummaryReadsTheDescriptionWithoutNulBytes) {
    core::LabelRequest internal = request("1A  000007");
    internal.line.set(core::internal::kDescription, std::string("TOALHA\0\0", 8));
    const std::vector<std::string> out = rotinaEtqDplA(internal).lines;
    EXPECT_EQ(out[out.size() - 3], "131100200300020Ped: 654321 S/Rf: TOALHA           Qtd: 0007");
}

// More copies than one "Q" command carries are split into full formats of 9999 and the
// rest, instead of being cut to their four low-order digits.
TEST(DplLayoutTest, CopyBatches) {
    struct Case {
        long long copies;
        std::vector<long long> batches;
    };
    const std::vector<Case> cases = {
        {0, {0}},
        {1, {1}},
        {9999, {9999}},
        {10000, {9999, 1}},
        {19998, {9999, 9999}},
        {20000, {9999, 9999, 2}},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(dplCopyBatches(test.copies), test.batches) << test.copies;
    }
    const std::vector<long long> largest = dplCopyBatches(500000);
    ASSERT_EQ(largest.size(), 51u);
    EXPECT_EQ(largest.back(), 50);
}

TEST(DplLayoutTest, TwentyThousandLabelsAreNeverSentAsNoCopies) {
    core::LabelRequest large = request("12  020000");
    const std::string golden =
        rotulano::test::readBytes(rotulano::test::dataPath("dpl/dpl02_quantity_20000.dpl"));
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(test::printFile(rotinaEtqDpl02(large)), golden);
}

// A price the three-digit slot cannot hold truthfully prints as stars, not as a
// plausible lower price.
TEST(DplLayoutTest, PriceOfAThousandOrMorePrintsStars) {
    core::LabelRequest expensive = request("11  000003");
    expensive.line.set(item::kPrice, "00123456");
    const std::vector<std::string> out = rotinaEtqDpl01(expensive).lines;
    EXPECT_EQ(out[20], "191100301700370,56");
    EXPECT_EQ(out[21], "162104801200100***");
}

// The large adhesive moves its records; the next tag must still print in place.
TEST(DplLayoutTest, KeepsNothingBetweenLabels) {
    const core::LabelRequest tag = request("11  000003");
    const LabelOutput first = rotinaEtqDpl01(tag);
    rotinaEtqDpl01(request("13  000003"));
    core::LabelRequest withOldPrice = request("15  000003");
    withOldPrice.line.set(item::kOldPrice, "00010000");
    rotinaEtqDpl01(withOldPrice);
    EXPECT_EQ(rotinaEtqDpl01(tag).lines, first.lines);
}

}  // namespace
}  // namespace rotulano::labels
