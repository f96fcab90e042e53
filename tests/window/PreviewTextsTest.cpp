#include <gtest/gtest.h>

#include "window/LabelPreviewTexts.h"

// The label preview's own texts, in both interface languages.
namespace {

using rotulano::window::LabelPreviewContent;
namespace previewTexts = rotulano::window::previewTexts;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

struct CaptionCase {
    const char* name;
    int width;  // dots
    int height;
    int copies;
    int across;
    bool complete;
    const char* portuguese;
    const char* english;
};

const CaptionCase kCaptions[] = {
    {"Etiqueta", 400, 240, 1, 1, true, "Etiqueta: 50,0 x 30,0 mm (400 x 240 pontos), 1 cópia",
     "Etiqueta: 50.0 x 30.0 mm (400 x 240 dots), 1 copy"},
    {"Resumo", 812, 203, 12, 2, true,
     "Resumo: 101,5 x 25,4 mm (812 x 203 pontos), 12 cópias, 2 por fileira",
     "Resumo: 101.5 x 25.4 mm (812 x 203 dots), 12 copies, 2 across"},
    {"Zero", 1, 3, 0, 1, true, "Zero: 0,1 x 0,4 mm (1 x 3 pontos), 0 cópias",
     "Zero: 0.1 x 0.4 mm (1 x 3 dots), 0 copies"},
    {"Aberta", 3200, 80, 2, 1, false,
     "Aberta: 400,0 x 10,0 mm (3200 x 80 pontos), 2 cópias; incompleta: a impressora "
     "aguardaria o fim da etiqueta",
     "Aberta: 400.0 x 10.0 mm (3200 x 80 dots), 2 copies; incomplete: the printer would wait "
     "for the rest of the label"},
};

class LabelCaption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(LabelCaption, GivesMillimetresDotsCopiesAndAcross) {
    const CaptionCase& c = GetParam();
    rotulano::preview::RenderedLabel label;
    label.image = QImage(c.width, c.height, QImage::Format_Mono);
    label.copies = c.copies;
    label.across = c.across;
    label.complete = c.complete;
    EXPECT_EQ(previewTexts::labelCaption(utf8(c.name), label, true).toStdString(), c.portuguese);
    EXPECT_EQ(previewTexts::labelCaption(utf8(c.name), label, false).toStdString(), c.english);
}

INSTANTIATE_TEST_SUITE_P(Labels, LabelCaption, ::testing::ValuesIn(kCaptions),
                         [](const ::testing::TestParamInfo<CaptionCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(LabelName, ItemThenSummaryWhenTwoNumberedOtherwise) {
    EXPECT_EQ(previewTexts::labelName(0, 2, true).toStdString(), "Etiqueta");
    EXPECT_EQ(previewTexts::labelName(1, 2, true).toStdString(), "Resumo do pedido");
    EXPECT_EQ(previewTexts::labelName(0, 2, false).toStdString(), "Label");
    EXPECT_EQ(previewTexts::labelName(1, 2, false).toStdString(), "Order summary");
    EXPECT_EQ(previewTexts::labelName(0, 1, true).toStdString(), "Etiqueta 1");
    EXPECT_EQ(previewTexts::labelName(2, 3, false).toStdString(), "Label 3");
}

struct SummaryCase {
    int row;
    const char* labelType;
    long long rowLabels;
    long long jobLabels;
    const char* portuguese;
    const char* english;
};

class JobSummary : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(JobSummary, NamesTheRowItsLabelsAndTheJobsLabels) {
    const SummaryCase& c = GetParam();
    LabelPreviewContent content;
    content.row = c.row;
    content.labelType = utf8(c.labelType);
    content.rowLabels = c.rowLabels;
    content.jobLabels = c.jobLabels;
    EXPECT_EQ(previewTexts::jobSummary(content, true).toStdString(), c.portuguese);
    EXPECT_EQ(previewTexts::jobSummary(content, false).toStdString(), c.english);
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, JobSummary,
    ::testing::Values(
        SummaryCase{2, "TAG", 10, 13,
                    "Próximo item: linha 2, TAG, 10 etiquetas. Trabalho: 13 "
                    "etiquetas no total.",
                    "Next item: row 2, TAG, 10 labels. Job: 13 labels in all."},
        SummaryCase{1, "ADESIVA PEQUENA", 1, 1,
                    "Próximo item: linha 1, ADESIVA PEQUENA, 1 etiqueta. Trabalho: 1 etiqueta "
                    "no total.",
                    "Next item: row 1, ADESIVA PEQUENA, 1 label. Job: 1 label in all."},
        SummaryCase{999, "", 0, 1500000,
                    "Próximo item: linha 999, 0 etiquetas. Trabalho: 1500000 etiquetas no total.",
                    "Next item: row 999, 0 labels. Job: 1500000 labels in all."},
        SummaryCase{0, "TAG", 5, 5, "", ""}));

struct FailureCase {
    LabelPreviewContent::Failure failure;
    const char* portuguese;
    const char* english;
};

class FailureText : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailureText, SaysWhyThereIsNothingToDraw) {
    const FailureCase& c = GetParam();
    LabelPreviewContent content;
    content.failure = c.failure;
    content.labelCode = 'Z';
    EXPECT_EQ(previewTexts::failure(content, true).toStdString(), c.portuguese);
    EXPECT_EQ(previewTexts::failure(content, false).toStdString(), c.english);
}

using F = LabelPreviewContent::Failure;

INSTANTIATE_TEST_SUITE_P(
    Failures, FailureText,
    ::testing::Values(
        FailureCase{F::None, "", ""},
        FailureCase{F::NoTickedRow, "Nenhum item marcado para impressão.",
                    "No item selected for printing."},
        FailureCase{F::NoLayout,
                    "O tipo de etiqueta \"Z\" não tem leiaute: nada será impresso para este item.",
                    "Label type \"Z\" has no layout: nothing will be printed for this item."}));

TEST(PreviewWindowTexts, TitleCloseScaleAndWarningsInBothLanguages) {
    EXPECT_EQ(previewTexts::windowTitle(true).toStdString(), "Visualizar etiquetas");
    EXPECT_EQ(previewTexts::windowTitle(false).toStdString(), "Label preview");
    EXPECT_EQ(previewTexts::closeCaption(true).toStdString(), "Fechar");
    EXPECT_EQ(previewTexts::closeCaption(false).toStdString(), "Close");
    EXPECT_EQ(previewTexts::zoomCaption(true).toStdString(), "Escala");
    EXPECT_EQ(previewTexts::zoomCaption(false).toStdString(), "Scale");
    EXPECT_EQ(previewTexts::warningsCaption(true).toStdString(), "Avisos");
    EXPECT_EQ(previewTexts::warningsCaption(false).toStdString(), "Warnings");
}

}  // namespace
