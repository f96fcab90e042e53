#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "window/AboutWindow.h"
#include "window/DisplayField.h"
#include "window/LabelPreviewWindow.h"
#include "window/PrintJobTestSupport.h"

// Order data, file names and statuses are shown as text: characters that look like
// markup ("&", "<A>", "<b>") are shown, never taken as formatting.
namespace {

using rotulano::test::headerLine;
using rotulano::test::itemLine;
using rotulano::test::PrintJobWindow;
using rotulano::test::settingsRecord;
using rotulano::test::shownPreview;
using rotulano::test::TestLine;
using rotulano::window::DisplayField;
namespace orders = rotulano::orders;

const QString kSupplier = QStringLiteral("C&A MODAS <A> LTDA");
const QString kDescription = QStringLiteral("<b>ACME</b> CAMISETA");
// Windows forbids "<" and ">" in file names: there the folder's markup is an entity, which
// rich text would show as "<b>".
#ifdef _WIN32
const QString kFolderName = QStringLiteral("/&lt;b&gt; & pedidos");
#else
const QString kFolderName = QStringLiteral("/<b>pedidos");
#endif

// A label shows all of `text`: as plain text, and wide enough for every character of it.
void expectShownWhole(QLabel* label, const QString& text) {
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    EXPECT_GE(label->sizeHint().width(), QFontMetrics(label->font()).horizontalAdvance(text))
        << label->objectName().toStdString();
}

class PlainText : public ::testing::Test {
  protected:
    void SetUp() override {
        test.open(settingsRecord(5, 1));
        folder = QString::fromStdString(test.dir.path()) + kFolderName;
        ASSERT_TRUE(QDir().mkpath(folder));
        path = folder + QStringLiteral("/PEDIDO.txt");
        rotulano::test::writeBytes(
            path.toStdString(),
            rotulano::test::orderFile(
                {TestLine(headerLine()).at(17, kSupplier.leftJustified(30).toStdString()),
                 TestLine(itemLine('1', "000002"))
                     .at(21, kDescription.leftJustified(30).toStdString())}));
        test.fileDialog.answers = {path};
        test.controls().btSelecionar->click();
        ASSERT_TRUE(test.messageBox.shown.empty());
    }

    PrintJobWindow test;
    QString folder;
    QString path;
};

TEST_F(PlainText, TheHeaderAndTheFileNameShowTheirMarkupCharacters) {
    const auto& c = test.controls();
    EXPECT_EQ(c.supplierNameField->text(), kSupplier.leftJustified(30));
    expectShownWhole(c.supplierNameField, kSupplier);
    EXPECT_EQ(c.wNomeCompleto->text(), path);
    expectShownWhole(c.wNomeCompleto, path);
    EXPECT_EQ(test.grid().text(1, orders::kColDescription), kDescription.leftJustified(30));
}

TEST_F(PlainText, EveryDisplayFieldOfTheWindowIsPlainText) {
    const QList<DisplayField*> fields = test.window->findChildren<DisplayField*>();
    ASSERT_GE(fields.size(), 25);
    for (DisplayField* field : fields) {
        EXPECT_EQ(field->textFormat(), Qt::PlainText) << field->objectName().toStdString();
    }
}

TEST_F(PlainText, ThePreviewShowsTheItemAsText) {
    test.clickCell(1, orders::kColSel);
    QTest::mouseClick(test.controls().btVisualiza, Qt::LeftButton);
    rotulano::window::LabelPreviewWindow* preview = shownPreview(test.window.get());
    ASSERT_NE(preview, nullptr);
    auto* summary = preview->findChild<QLabel*>(QStringLiteral("CmResumo"));
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->textFormat(), Qt::PlainText);
    auto* caption = preview->findChild<QLabel*>(QStringLiteral("CmLegenda1"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->textFormat(), Qt::PlainText);
}

TEST_F(PlainText, TheAboutWindowShowsItsLinesAsText) {
    test.controls().menuSobre->trigger();
    auto* about = test.window->findChild<rotulano::window::AboutWindow*>();
    ASSERT_NE(about, nullptr);
    auto* version = about->findChild<QLabel*>(QStringLiteral("CmStatic1"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->textFormat(), Qt::PlainText);
    about->close();
}

}  // namespace
