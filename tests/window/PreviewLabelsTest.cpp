#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "preview/LabelPreview.h"
#include "rotulano-render/RenderJob.h"
#include "window/LabelPreviewContent.h"
#include "window/LabelPreviewWindow.h"
#include "window/PrintJobTestSupport.h"

// What the label preview draws: the labels of the first ticked row exactly as the
// renderer draws the bytes that rotulano-render (the print job's own path) gives for that
// row, with the job's size, the labels' copies and the warnings under the pictures.
namespace {

using rotulano::test::headerLine;
using rotulano::test::itemLine;
using rotulano::test::PrintJobWindow;
using rotulano::test::sampleLines;
using rotulano::test::settingsRecord;
using rotulano::test::shownPreview;
using rotulano::test::textOf;
using rotulano::window::LabelPreviewContent;
using rotulano::window::LabelPreviewWindow;
namespace orders = rotulano::orders;
namespace preview = rotulano::preview;
namespace render = rotulano::render;

QImage pictureOf(QWidget* preview, int number) {
    auto* picture = preview->findChild<QLabel*>(QStringLiteral("CmEtiqueta%1").arg(number));
    return picture == nullptr ? QImage() : picture->pixmap().toImage();
}

std::vector<std::string> warningsOf(QWidget* preview) {
    std::vector<std::string> shown;
    auto* list = preview->findChild<QListWidget*>(QStringLiteral("W-AVISOS"));
    for (int i = 0; list != nullptr && i < list->count(); ++i) {
        shown.push_back(list->item(i)->text().toStdString());
    }
    return shown;
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool samePicture(const QImage& shown, const QImage& expected) {
    return shown.size() == expected.size() && shown.convertToFormat(QImage::Format_RGB32) ==
                                                  expected.convertToFormat(QImage::Format_RGB32);
}

// The bytes rotulano-render gives for one row of the sample order with these settings,
// the logo files of `logoDir` sent first.
std::string renderedRow(const std::string& settings, int row, PrintJobWindow& test,
                        const std::string& quantity = "") {
    const std::vector<std::string> lines = sampleLines();
    render::RenderRequest request;
    request.items.assign(lines.begin() + 1, lines.end());
    if (!quantity.empty()) {
        request.items[static_cast<std::size_t>(row - 1)].replace(4, 6, quantity);
    }
    request.orderNumber = lines[0].substr(46, 6);
    request.settings = rotulano::core::PrinterSettings(settings);
    request.rows = {row};
    request.logoDir = test.dir.path();
    const render::RenderResult rendered = render::RenderJob().run(request);
    EXPECT_TRUE(rendered.ok()) << rendered.error;
    return rendered.bytes;
}

void openPreview(PrintJobWindow& test) {
    QTest::mouseClick(test.controls().btVisualiza, Qt::LeftButton);
}

struct SampleCase {
    int model;
    const char* name;
};

class SampleOrderPreview : public ::testing::TestWithParam<SampleCase> {};

// Every label layout of the sample order, one row ticked at a time.
TEST_P(SampleOrderPreview, ShowsTheRenderersPicturesOfTheRowsPortBytes) {
    const std::string settings = settingsRecord(GetParam().model, 1);
    PrintJobWindow test;
    test.open(settings);
    test.loadOrder(sampleLines());
    const auto resources =
        preview::PreviewResources::fromDirectory(QString::fromStdString(test.dir.path()));
    for (int row : {1, 3, 4, 9, 12, 14}) {
        SCOPED_TRACE(row);
        test.clickPage(1);
        test.clickCell(row, orders::kColSel);
        test.clickPage(2);
        const std::string bytes = renderedRow(settings, row, test);
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(LabelPreviewContent::ofNextJob(test.window->context()).bytes, bytes);
        const std::vector<preview::RenderedLabel> expected = preview::renderJob(bytes, resources);
        ASSERT_EQ(expected.size(), 2U);

        openPreview(test);
        LabelPreviewWindow* shown = shownPreview(test.window.get());
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->zoom(), 100);
        for (int number : {1, 2}) {
            const QImage& image = expected[static_cast<std::size_t>(number - 1)].image;
            EXPECT_EQ(pictureOf(shown, number).size(), image.size()) << number;
            EXPECT_TRUE(samePicture(pictureOf(shown, number), image)) << number;
        }
        EXPECT_TRUE(pictureOf(shown, 3).isNull());
        shown->close();
        test.clickPage(1);
        test.clickCell(row, orders::kColSel);  // untick
    }
}

INSTANTIATE_TEST_SUITE_P(
    Models, SampleOrderPreview,
    ::testing::Values(SampleCase{1, "DatamaxAlegro"}, SampleCase{2, "DatamaxIClass"},
                      SampleCase{4, "RabbitArgox"}, SampleCase{5, "ZebraGenerico"},
                      SampleCase{6, "ZebraZ105"}),
    [](const ::testing::TestParamInfo<SampleCase>& info) { return std::string(info.param.name); });

class PreviewedJob : public ::testing::Test {
  protected:
    void SetUp() override {
        test.open(settingsRecord(5, 1));
        test.loadOrder(sampleLines());
    }
    LabelPreviewWindow* previewOf(std::initializer_list<int> rows) {
        for (int row : rows) {
            test.clickCell(row, orders::kColSel);
        }
        openPreview(test);
        return shownPreview(test.window.get());
    }
    std::vector<preview::RenderedLabel> expectedLabels(int row, const std::string& quantity = "") {
        return preview::renderJob(
            renderedRow(settingsRecord(5, 1), row, test, quantity),
            preview::PreviewResources::fromDirectory(QString::fromStdString(test.dir.path())));
    }

    PrintJobWindow test;
};

// Rows 3 (50 labels) and 5 (36) ticked, row 3 first: the quantities come from the grid.
TEST_F(PreviewedJob, SaysTheRowItsLabelsAndTheLabelsOfTheWholeJob) {
    test.clickCell(5, orders::kColSel);
    LabelPreviewWindow* shown = previewOf({3});
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(textOf(shown, "CmResumo"),
              "Próximo item: linha 3, Adesiva Pequena, 50 etiquetas. "
              "Trabalho: 86 etiquetas no total.");
}

// A TAG prints two labels across (912 dots wide) and takes ceil(quantity / 2) copies.
TEST_F(PreviewedJob, AnEditedQuantityGivesTheItemLabelItsCopies) {
    test.editQuantity(1, QStringLiteral("7"));
    LabelPreviewWindow* shown = previewOf({1, 2});
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(textOf(shown, "CmResumo"),
              "Próximo item: linha 1, TAG, 7 etiquetas. Trabalho: 19 etiquetas no total.");
    const std::vector<preview::RenderedLabel> labels =
        LabelPreviewContent::ofNextJob(test.window->context()).labels;
    ASSERT_EQ(labels.size(), 2U);
    EXPECT_EQ(labels[0].copies, 4);
    EXPECT_EQ(labels[0].across, 2);
    EXPECT_EQ(labels[1].copies, 1);
    ASSERT_EQ(labels[0].image.size(), QSize(912, 403));
    EXPECT_EQ(textOf(shown, "CmLegenda1"),
              "Etiqueta: 114,0 x 50,4 mm (912 x 403 pontos), 4 cópias, 2 por fileira");
    EXPECT_EQ(textOf(shown, "CmLegenda2").rfind("Resumo do pedido: 114,0 x ", 0), 0U);
    EXPECT_TRUE(endsWith(textOf(shown, "CmLegenda2"), ", 1 cópia")) << textOf(shown, "CmLegenda2");
}

TEST_F(PreviewedJob, ListsTheRenderersWarningsOfBothLabelsInOrder) {
    LabelPreviewWindow* shown = previewOf({4});
    ASSERT_NE(shown, nullptr);
    std::vector<std::string> expected;
    const std::vector<preview::RenderedLabel> labels = expectedLabels(4);
    ASSERT_EQ(labels.size(), 2U);
    for (const QString& warning : labels[0].warnings) {
        expected.push_back("Etiqueta: " + warning.toStdString());
    }
    for (const QString& warning : labels[1].warnings) {
        expected.push_back("Resumo do pedido: " + warning.toStdString());
    }
    // Both columns of the label repeat their fields' warnings: the list says each once.
    for (auto later = expected.begin(); later != expected.end();) {
        later =
            std::find(expected.begin(), later, *later) == later ? later + 1 : expected.erase(later);
    }
    EXPECT_EQ(warningsOf(shown), expected);
}

TEST_F(PreviewedJob, AMissingLogoIsListedAsThePrintJobWouldReportIt) {
    ASSERT_TRUE(QFile::remove(QString::fromStdString(test.dir.file("LOGOVRDL.GRF"))));
    LabelPreviewWindow* shown = previewOf({1});
    ASSERT_NE(shown, nullptr);
    const std::vector<std::string> warnings = warningsOf(shown);
    ASSERT_FALSE(warnings.empty());
    EXPECT_EQ(warnings.front(),
              "Arquivo do logotipo LOGOVRDL.GRF não encontrado: as etiquetas sairão sem o "
              "logotipo");
    EXPECT_FALSE(pictureOf(shown, 1).isNull());
    EXPECT_TRUE(test.messageBox.shown.empty());
}

TEST_F(PreviewedJob, ScaleDrawsEveryDotAsASquareOfPixels) {
    LabelPreviewWindow* shown = previewOf({1});
    ASSERT_NE(shown, nullptr);
    const QSize atFull = pictureOf(shown, 1).size();
    auto* scale = shown->findChild<QComboBox*>(QStringLiteral("W-ESCALA"));
    ASSERT_NE(scale, nullptr);
    std::vector<std::string> levels;
    for (int i = 0; i < scale->count(); ++i) {
        levels.push_back(scale->itemText(i).toStdString());
    }
    EXPECT_EQ(levels, (std::vector<std::string>{"50%", "100%", "200%", "400%"}));
    EXPECT_EQ(scale->currentText().toStdString(), "100%");
    scale->setCurrentIndex(2);
    emit scale->activated(2);
    EXPECT_EQ(shown->zoom(), 200);
    const QImage doubled = pictureOf(shown, 1);
    EXPECT_EQ(doubled.size(), atFull * 2);
    const QImage original = expectedLabels(1)[0].image.convertToFormat(QImage::Format_RGB32);
    const QImage big = doubled.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < original.height(); y += 7) {
        for (int x = 0; x < original.width(); x += 5) {
            ASSERT_EQ(big.pixel(2 * x + 1, 2 * y + 1), original.pixel(x, y)) << x << "," << y;
        }
    }
    shown->setZoom(50);
    EXPECT_EQ(pictureOf(shown, 1).size(), atFull / 2);
    EXPECT_EQ(scale->currentText().toStdString(), "50%");
}

// The largest label the renderer draws is 3200 dots a side; enlarged four times it would
// need some 650 MB, so no picture grows past 6400 pixels a side.
TEST(PreviewScale, StopsEnlargingAPictureAt6400PixelsASide) {
    LabelPreviewContent content;
    content.row = 1;
    for (const QSize& dots : {QSize(3200, 40), QSize(400, 1700), QSize(400, 240)}) {
        preview::RenderedLabel label;
        label.image = QImage(dots, QImage::Format_Mono);
        label.image.fill(1);
        content.labels.push_back(label);
    }
    LabelPreviewWindow shown(content, true);
    shown.setZoom(400);
    EXPECT_EQ(pictureOf(&shown, 1).size(), QSize(6400, 80));
    EXPECT_EQ(pictureOf(&shown, 2).size(), QSize(1504, 6392));  // 376%, the most that fits
    EXPECT_EQ(pictureOf(&shown, 3).size(), QSize(1600, 960));
    EXPECT_EQ(shown.zoom(), 400);
    shown.setZoom(100);
    EXPECT_EQ(pictureOf(&shown, 1).size(), QSize(3200, 40));
    EXPECT_EQ(textOf(&shown, "CmLegenda3"),
              "Etiqueta 3: 50,0 x 30,0 mm (400 x 240 pontos), 1 cópia");
}

TEST(PreviewFailures, ALabelCodeWithoutLayoutSaysNothingWillBePrinted) {
    PrintJobWindow test;
    test.open(settingsRecord(5, 1));
    test.loadOrder({headerLine(), itemLine('B'), itemLine('2')});
    test.clickCell(1, orders::kColSel);
    test.clickCell(2, orders::kColSel);
    openPreview(test);
    LabelPreviewWindow* shown = shownPreview(test.window.get());
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(textOf(shown, "CmMensagem"),
              "O tipo de etiqueta \"B\" não tem leiaute: nada será impresso para este item.");
    EXPECT_TRUE(pictureOf(shown, 1).isNull());
    EXPECT_TRUE(test.platform.sent.empty());
}

// The preview takes the row's bytes from memory: it draws the labels even where no file
// could be written, and makes and deletes none.
TEST(PreviewFailures, NeedsNoTemporaryDirectoryAndWritesNothing) {
    PrintJobWindow test;
    test.open(settingsRecord(5, 1, 15, false, 2, 3, 'C', 2));
    test.loadOrder(sampleLines());
    test.clickCell(1, orders::kColSel);
    const std::string missing = test.dir.file("missing") + "/";
    test.session().channel.tempDir = missing;
    openPreview(test);
    LabelPreviewWindow* shown = shownPreview(test.window.get());
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(pictureOf(shown, 1).isNull());
    EXPECT_FALSE(QDir(QString::fromStdString(missing)).exists());
    EXPECT_TRUE(test.platform.deleted.empty());
    EXPECT_TRUE(test.platform.sent.empty());
}

}  // namespace
