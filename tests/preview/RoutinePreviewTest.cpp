#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "core/LabelRequest.h"
#include "labels/RoutineChoice.h"
#include "printing/LabelFileBytes.h"
#include "printing/LogoDownload.h"
#include "support/TestSupport.h"

// Every label routine, ZPL and DPL, on items of our own, drawn from the bytes its job
// sends: logo download where the layout shows the logo, then the label file.
namespace rotulano::preview::test {
namespace {

using labels::LogoPoint;
using printing::LogoDownload;

constexpr char kProductCode[] = "7891234567";
constexpr char kPackCode[] = "1234567890128";

core::OrderLine item(char code, const std::string& oldPrice) {
    core::OrderLine line;
    line.set(core::item::kRecordType, "1");
    line.set(core::item::kLabelTypeCode, std::string(1, code));
    line.set(core::item::kQuantity, "000005");
    line.set(core::item::kOrderNumber, "123456");
    if (code == '9') {
        line.set(core::pack::kPackSuffix, "03");
        line.set(core::pack::kPackCode, kPackCode);
        line.set(core::pack::kPackDescription, "PACOTE COM 6 PECAS");
        line.set(core::pack::kSupplierReference, "REF-PACOTE-1");
        return line;
    }
    line.set(core::item::kProductCode, kProductCode);
    if (code == 'A') {
        line.set(core::internal::kDescription, "MEIA SOQUETE");
        line.set(core::internal::kInternalText1, "LOJA0002");
        line.set(core::internal::kInternalText2, "SETOR 003");
        line.set(core::internal::kInternalText3, "AREA0004");
        return line;
    }
    line.set(core::item::kDescription, "CAMISA MANGA CURTA");
    line.set(core::item::kPrice, "00001990");
    line.set(core::item::kOldPrice, oldPrice);
    line.set(core::item::kSupplierReference, "REF-CAMISA-01");
    line.set(core::item::kItemReference, "CM01");
    line.set(core::item::kSizeCaption, "TAM");
    line.set(core::item::kSize, "M");
    line.set(core::item::kComplementText, "ALGODAO");
    line.set(core::item::kSectionCode, "07");
    line.set(core::item::kSideText, "VERAO");
    line.set(core::item::kFooterText, "TROCA EM 30 DIAS");
    return line;
}

struct RoutineCase {
    int model;  // 5: Zebra (ZPL); 1, 2, 3: Datamax (DPL)
    char code;
    std::string oldPrice;
};

std::string caseName(const RoutineCase& c) {
    return std::string(c.model >= 5 ? "zpl" : "dpl") + std::to_string(c.model) + "_code" + c.code +
           (c.oldPrice == "00000000" ? "" : "_old_price");
}

std::string jobBytes(const RoutineCase& c, LogoPoint& logo) {
    core::LabelRequest request;
    request.line = item(c.code, c.oldPrice);
    request.settings = core::PrinterSettings::defaults();
    request.settings.setModel(c.model);
    request.settings.setLeftMargin(2);
    request.settings.setTopMargin(3);
    const labels::LabelRoutine routine = labels::chooseLabelRoutine(c.model, c.code);
    if (routine == nullptr) {
        return {};
    }
    const labels::LabelOutput output = routine(request);
    logo = output.logo;
    std::string bytes;
    if (logo != LogoPoint::None) {
        const auto sample = [](const char* name) {
            return rotulano::test::readBytes(rotulano::test::samplePath(name));
        };
        bytes = c.model >= 5 ? LogoDownload::zplDownloadBytes(sample("LOGOVRDL.GRF"))
                             : LogoDownload::dplDownloadBytes(c.model, sample("LOGOVRDL.BMP"));
    }
    return bytes + printing::labelFileBytes(output.lines);
}

class EveryRoutine : public ::testing::TestWithParam<RoutineCase> {};

TEST_P(EveryRoutine, ItemLabelShowsTheItemInEveryColumn) {
    const RoutineCase& c = GetParam();
    LogoPoint logo = LogoPoint::None;
    const std::string bytes = jobBytes(c, logo);
    ASSERT_FALSE(bytes.empty());
    const auto labels = parseJob(bytes);
    ASSERT_EQ(labels.size(), 2U);
    const int across = c.code == 'A' ? 6 : 2;
    const PreviewLabel& itemLabel = labels[0];
    EXPECT_EQ(itemLabel.language, c.model >= 5 ? PrinterLanguage::Zpl : PrinterLanguage::Dpl);
    EXPECT_EQ(itemLabel.across, across);
    EXPECT_EQ(itemLabel.copies, c.code == 'A' ? 1 : 3);  // 5 labels
    for (const PreviewLabel& label : labels) {
        EXPECT_TRUE(label.complete);
        EXPECT_TRUE(label.warnings.isEmpty()) << label.warnings.join('\n').toStdString();
    }
    const DecodedSymbol symbol = c.code == '9' ? DecodedSymbol{"I2/5", "01234567890128"}
                                               : DecodedSymbol{"EAN-13", "0078912345670"};
    EXPECT_EQ(decodeEachSymbol(itemLabel, renderLabel(itemLabel)),
              std::vector<DecodedSymbol>(static_cast<std::size_t>(across), symbol));
    const auto pictures =
        std::count_if(itemLabel.elements.begin(), itemLabel.elements.end(),
                      [](const LabelElement& e) { return e.kind == LabelElement::Kind::Picture; });
    EXPECT_EQ(pictures, logo == LogoPoint::None ? 0 : across);
    EXPECT_EQ(labels[1].copies, 1);
    EXPECT_EQ(labels[1].across, 1);
    EXPECT_GT(inkCount(renderLabel(labels[1])), 0);
}

std::vector<RoutineCase> everyRoutine() {
    std::vector<RoutineCase> cases;
    for (int model : {5, 1, 2, 3}) {
        for (char code : std::string("123456789A")) {
            cases.push_back({model, code, "00000000"});
        }
        for (char code : std::string("4567")) {
            cases.push_back({model, code, "00010000"});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Routines, EveryRoutine, ::testing::ValuesIn(everyRoutine()),
                         [](const auto& info) { return caseName(info.param); });

}  // namespace
}  // namespace rotulano::preview::test
