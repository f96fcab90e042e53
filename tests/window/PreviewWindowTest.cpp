#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <sstream>

#include "orders/ItemTable.h"
#include "support/WindowFakes.h"
#include "window/LabelPreviewWindow.h"
#include "window/PrintJobTestSupport.h"

// The label preview opened from the main window: its texts, what it shows as the next
// job, and what opening it leaves untouched: marks, the print channel, ports and files.
namespace {

using rotulano::test::PrintJobWindow;
using rotulano::test::readBytes;
using rotulano::test::sampleLines;
using rotulano::test::settingsRecord;
using rotulano::test::shownPreview;
using rotulano::test::TestWindow;
using rotulano::test::textOf;
using rotulano::window::LabelPreviewWindow;
namespace orders = rotulano::orders;

// The preview speaks the window's language; its texts in both are tested with the
// preview texts themselves.
TEST(PreviewWindow, WithNoTickedRowSaysSoInTheWindowsLanguage) {
    PrintJobWindow test;
    test.open(settingsRecord(5, 1, 15, false, 2, 3, 'C', 2));
    test.loadOrder(sampleLines());
    QTest::mouseClick(test.controls().btVisualiza, Qt::LeftButton);
    LabelPreviewWindow* preview = shownPreview(test.window.get());
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle().toStdString(), "Label preview");
    EXPECT_EQ(textOf(preview, "CmMensagem"), "No item selected for printing.");
    EXPECT_EQ(textOf(preview, "CmResumo"), "");
    EXPECT_EQ(preview->findChild<QLabel*>(QStringLiteral("CmEtiqueta1")), nullptr);
    auto* close = preview->findChild<QPushButton*>(QStringLiteral("BT-FECHA"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text().toStdString(), "Close");
    EXPECT_EQ(preview->findChild<QListWidget*>(QStringLiteral("W-AVISOS"))->count(), 0);
    EXPECT_TRUE(test.platform.sent.empty());
}

TEST(PreviewWindow, APrintedRowIsNotTheNextJob) {
    PrintJobWindow test;
    test.open(settingsRecord(5, 1));
    test.loadOrder(sampleLines());
    test.clickCell(2, orders::kColSel);
    test.clickPage(2);
    test.clickPrint();
    ASSERT_EQ(test.marks()[1], QString::fromLatin1("\xD8"));
    QTest::mouseClick(test.controls().btVisualiza, Qt::LeftButton);
    EXPECT_EQ(textOf(shownPreview(test.window.get()), "CmMensagem"),
              "Nenhum item marcado para impressão.");
}

TEST(PreviewWindow, FechaClosesItAndASecondOpeningShowsOnlyTheNewOne) {
    TestWindow test;
    test.open();
    test.controls().menuVisualizar->trigger();
    test.controls().menuVisualizar->trigger();
    const auto shown = test.window->findChildren<LabelPreviewWindow*>();
    ASSERT_EQ(shown.size(), 1);
    shown.front()->findChild<QPushButton*>(QStringLiteral("BT-FECHA"))->click();
    TestWindow::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(shownPreview(test.window.get()), nullptr);
    EXPECT_FALSE(test.window->formClosed());
}

// Everything of the window and of the system that a print job could change, as text.
std::string stateOf(PrintJobWindow& test) {
    const rotulano::printing::ChannelState& channel = test.session().channel;
    const auto entries = [](const std::string& dir) {
        return QDir(QString::fromStdString(dir))
            .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
            .join(u',')
            .toStdString();
    };
    std::ostringstream state;
    for (const QString& mark : test.marks()) {
        state << mark.toStdString() << '|';
    }
    state << "\nchannel " << channel.tempDir << ' ' << channel.printFileName << ' '
          << channel.serialPortConfigured << "\nprint " << test.controls().btImprime->isEnabled()
          << test.controls().wDetqtd->text().toStdString() << "\nsends " << test.platform.sends
          << " sleeps " << test.platform.sleeps.size() << " boxes " << test.messageBox.shown.size()
          << "\nworking dir " << entries(test.dir.path()) << "\ntemp dir "
          << entries(test.platform.tempDirValue) << "\nprint file "
          << readBytes(channel.printFileName);
    for (const std::string& device : test.platform.serialOpened) {
        state << "\nserial " << device;
    }
    for (const auto& [device, bytes] : test.platform.sent) {
        state << "\nsent to " << device << ": " << bytes;
    }
    return state.str();
}

struct ReadOnlyCase {
    const char* name;
    int model;
    int port;
    bool printFirst;  // a job has printed a row, so its print file lies in TempDir
};

class PreviewLeavesAlone : public ::testing::TestWithParam<ReadOnlyCase> {};

// The preview takes the bytes from memory: it names, writes and deletes no file, so the
// job's print file (named from a clock that never moves in tests) stays as it was.
TEST_P(PreviewLeavesAlone, MarksChannelPortsAndFiles) {
    const ReadOnlyCase& c = GetParam();
    PrintJobWindow test;
    test.open(settingsRecord(c.model, c.port));
    test.loadOrder(sampleLines());
    if (c.printFirst) {
        test.clickCell(2, orders::kColSel);
        test.clickPage(2);
        test.clickPrint();
        ASSERT_FALSE(readBytes(test.session().channel.printFileName).empty());
        test.clickPage(1);
    }
    for (int row : {1, 4, 9}) {
        test.clickCell(row, orders::kColSel);
    }
    test.clickPage(2);
    const std::string before = stateOf(test);

    const std::size_t deletedBefore = test.platform.deleted.size();
    QTest::mouseClick(test.controls().btVisualiza, Qt::LeftButton);
    LabelPreviewWindow* preview = shownPreview(test.window.get());
    ASSERT_NE(preview, nullptr);
    EXPECT_NE(preview->findChild<QLabel*>(QStringLiteral("CmEtiqueta1")), nullptr);
    EXPECT_EQ(stateOf(test), before);
    EXPECT_EQ(test.platform.deleted.size(), deletedBefore);
    preview->findChild<QPushButton*>(QStringLiteral("BT-FECHA"))->click();
    TestWindow::processEvents();
    EXPECT_EQ(stateOf(test), before);
}

INSTANTIATE_TEST_SUITE_P(Jobs, PreviewLeavesAlone,
                         ::testing::Values(ReadOnlyCase{"ZebraOnLpt1", 5, 1, false},
                                           ReadOnlyCase{"DatamaxOnLpt2", 1, 2, false},
                                           ReadOnlyCase{"ZebraAfterAPrintedRow", 6, 1, true},
                                           ReadOnlyCase{"ArgoxAfterAPrintedRow", 4, 2, true},
                                           ReadOnlyCase{"ZebraOnCom1NotSetUp", 5, 3, false}),
                         [](const ::testing::TestParamInfo<ReadOnlyCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
