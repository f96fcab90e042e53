#include <gtest/gtest.h>

#include <string>

#include "PreviewTestSupport.h"
#include "core/LabelRequest.h"
#include "labels/LetterCheck.h"
#include "labels/RoutineChoice.h"
#include "printing/RowJob.h"
#include "support/LogoDownloadBytes.h"
#include "support/TestSupport.h"

// The sample order's first item, a tag, as the print job sends it and the preview draws
// it: its Latin-1 letters reach the printer in code page 850 and read as the order
// spells them.
namespace rotulano::preview::test {
namespace {

// Line 2 of samples/PEDIDO.txt: the first item, a tag (code "1"), without its line end.
std::string sampleTagLine() {
    const std::string order = rotulano::test::readBytes(rotulano::test::samplePath("PEDIDO.txt"));
    const std::size_t start = order.find('\n') + 1;
    return order.substr(start, 300);
}

// The logo download that the tag's job sends before the label.
std::string logoDownload(int model) {
    return rotulano::test::logoDownloadBytes(model, rotulano::test::samplePath(""));
}

// The texts of the tag and its order summary label; the job prints them unwarned.
std::vector<QString> textsOfSampleTag(int model) {
    core::PrinterSettings settings = core::PrinterSettings::defaults();
    settings.setModel(model);
    const core::LabelRequest request =
        printing::rowRequest(sampleTagLine(), 24, "004711", settings);
    const labels::LabelRoutine routine = labels::chooseLabelRoutine(model, '1');
    const labels::LabelOutput output = labels::withLetterCheck(routine, request);
    EXPECT_FALSE(output.unprintableLetters);
    const std::vector<PreviewLabel> labels =
        parseJob(logoDownload(model) + printFile(output.lines));
    std::vector<QString> texts;
    for (const PreviewLabel& label : labels) {
        EXPECT_TRUE(label.warnings.isEmpty())
            << label.warnings.join(QStringLiteral("; ")).toStdString();
        for (const LabelElement& element : label.elements) {
            if (element.kind == LabelElement::Kind::Text) {
                texts.push_back(element.text.trimmed());
            }
        }
    }
    return texts;
}

struct PrinterCase {
    const char* name;
    int model;
};

class SampleTagTextTest : public ::testing::TestWithParam<PrinterCase> {};

TEST_P(SampleTagTextTest, ShowsTheLettersAsTheOrderSpellsThem) {
    const std::vector<QString> texts = textsOfSampleTag(GetParam().model);
    for (const QString& expected : {QStringLiteral("CAMISETA MANGA CURTA BÁSICA"),
                                    QStringLiteral("100% ALGODÃO"), QStringLiteral("VERÃO 2026")}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end())
            << expected.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, SampleTagTextTest,
                         ::testing::Values(PrinterCase{"Zpl", 5}, PrinterCase{"Dpl", 1}),
                         [](const ::testing::TestParamInfo<PrinterCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace rotulano::preview::test
