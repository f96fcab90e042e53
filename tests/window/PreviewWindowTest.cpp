#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "orders/ItemTable.h"
#include "support/WindowFakes.h"
#include "window/DisplayField.h"
#include "window/EventTable.h"
#include "window/LabelPreviewWindow.h"
#include "window/PageControl.h"
#include "window/Pictures.h"
#include "window/PrintJobTestSupport.h"

// The label preview's controls on the main window, their captions and wiring, and what
// opening the preview leaves untouched: marks, the print channel, ports and files.
namespace {

using rotulano::test::PrintJobWindow;
using rotulano::test::readBytes;
using rotulano::test::samplePath;
using rotulano::test::settingsRecord;
using rotulano::test::TestWindow;
using rotulano::window::LabelPreviewWindow;
namespace orders = rotulano::orders;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

LabelPreviewWindow* shownPreview(QWidget* window) {
    return window->findChild<LabelPreviewWindow*>(QStringLiteral("CP21PRV"));
}

// The text of a label of the preview, as UTF-8.
std::string textOf(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(utf8(name));
    return label == nullptr ? "<none>" : label->text().toStdString();
}

void chooseLanguage(TestWindow& test, int position) {
    test.controls().wPrmlingua->setCurrentIndex(position - 1);
    emit test.controls().wPrmlingua->activated(position - 1);
}

// The sample order's lines, header first.
std::vector<std::string> sampleLines() {
    const std::string bytes = readBytes(samplePath("PEDIDO.txt"));
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    return lines;
}

TEST(PreviewControls, BtVisualizaStandsBesideBtImprimeOnTheImpressaoPage) {
    TestWindow test;
    QPushButton* button = test.controls().btVisualiza;
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->objectName().toStdString(), "BT-VISUALIZA");
    EXPECT_EQ(button->text().toStdString(), "&Visualiza");  // until start-up sets the captions
    EXPECT_EQ(button->toolTip().toStdString(),
              "Mostra as etiquetas do próximo item como sairão na impressora, sem imprimir");
    test.window->show();
    rotulano::window::PageControl* tabs = test.controls().tbOpera;
    QWidget* page = tabs->widget(1);
    EXPECT_TRUE(page->isAncestorOf(button));
    EXPECT_EQ(button->mapTo(tabs, QPoint(0, 0)), QPoint(102, 332));
    EXPECT_EQ(button->size(), QSize(90, 28));
    EXPECT_EQ(button->mapTo(tabs, QPoint(0, 0)).y(),
              test.controls().btImprime->mapTo(tabs, QPoint(0, 0)).y());
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_TRUE(rotulano::window::hasPicture(QStringLiteral("IMG-VISUALIZA")));
}

TEST(PreviewControls, BtVisualizaOverlapsNoOtherControlOfItsPageNorBtSaida) {
    TestWindow test;
    test.window->show();
    QWidget* window = test.window.get();
    auto placeOf = [window](QWidget* control) {
        return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
    };
    QPushButton* button = test.controls().btVisualiza;
    std::vector<QWidget*> others = {test.controls().btSaida};
    for (QWidget* control : test.controls().tbOpera->widget(1)->findChildren<QWidget*>()) {
        if (control != button && !control->objectName().isEmpty()) {
            others.push_back(control);
        }
    }
    ASSERT_GE(others.size(), 10U);
    for (QWidget* other : others) {
        EXPECT_FALSE(placeOf(button).intersects(placeOf(other)))
            << other->objectName().toStdString();
    }
}

TEST(PreviewControls, MenuVisualizarFollowsImprimirInArquivo) {
    TestWindow test;
    const QList<QAction*> items = test.controls().menuArquivo->actions();
    ASSERT_GE(items.size(), 2);
    EXPECT_EQ(items[0], test.controls().menuImprimir);
    EXPECT_EQ(items[1], test.controls().menuVisualizar);
    ASSERT_NE(test.controls().menuVisualizar, nullptr);
    EXPECT_EQ(test.controls().menuVisualizar->objectName().toStdString(), "Visualizar");
    EXPECT_EQ(test.controls().menuVisualizar->text().toStdString(), "Visualizar");
}

struct PreviewCaption {
    const char* control;
    const char* portuguese;
    const char* english;
};

class PreviewCaptions : public ::testing::TestWithParam<PreviewCaption> {};

TEST_P(PreviewCaptions, FollowTheChosenLanguage) {
    const PreviewCaption& row = GetParam();
    TestWindow test;
    test.open();
    auto caption = [&] {
        QObject* control = test.window->findChild<QObject*>(utf8(row.control));
        if (auto* item = qobject_cast<QAction*>(control)) {
            return item->text().toStdString();
        }
        return qobject_cast<QPushButton*>(control)->text().toStdString();
    };
    EXPECT_EQ(caption(), row.portuguese) << "after start-up";
    chooseLanguage(test, 2);
    EXPECT_EQ(caption(), row.english) << "English";
    chooseLanguage(test, 1);
    EXPECT_EQ(caption(), row.portuguese) << "Portuguese again";
}

INSTANTIATE_TEST_SUITE_P(PreviewControls, PreviewCaptions,
                         ::testing::Values(PreviewCaption{"BT-VISUALIZA", "Visualizar", "Preview"},
                                           PreviewCaption{"Visualizar", "Visualizar", "Preview"}),
                         [](const ::testing::TestParamInfo<PreviewCaption>& info) {
                             return info.index == 0 ? std::string("Button") : std::string("Menu");
                         });

// How the operator opens the preview.
enum class Opening { Button, Menu };

class PreviewOpening : public ::testing::TestWithParam<Opening> {};

TEST_P(PreviewOpening, GoesThroughTheEventTableToOnPreview) {
    TestWindow test;
    test.open();
    std::vector<std::string> ran;
    test.window->events().setObserver([&ran](const rotulano::window::EventBinding& binding) {
        ran.push_back(binding.handlerName);
    });
    if (GetParam() == Opening::Button) {
        test.controls().tbOpera->setCurrentIndex(1);
        ran.clear();
        QTest::mouseClick(test.controls().btVisualiza, Qt::LeftButton);
    } else {
        test.controls().menuVisualizar->trigger();
    }
    EXPECT_EQ(ran, std::vector<std::string>{"ON-PREVIEW"});
    LabelPreviewWindow* preview = shownPreview(test.window.get());
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_TRUE(preview->isModal());
}

INSTANTIATE_TEST_SUITE_P(BothWays, PreviewOpening,
                         ::testing::Values(Opening::Button, Opening::Menu),
                         [](const ::testing::TestParamInfo<Opening>& info) {
                             return info.param == Opening::Button ? std::string("Button")
                                                                  : std::string("Menu");
                         });

struct PreviewLanguage {
    int language;
    const char* title;
    const char* close;
    const char* message;
};

class EmptyPreview : public ::testing::TestWithParam<PreviewLanguage> {};

TEST_P(EmptyPreview, WithNoTickedRowSaysSoInTheWindowsLanguage) {
    const PreviewLanguage& c = GetParam();
    PrintJobWindow test;
    test.open(settingsRecord(5, 1, 15, false, 2, 3, 'C', c.language));
    test.loadOrder(sampleLines());
    test.window->events().raise(QStringLiteral("BT-VISUALIZA"), rotulano::window::FormEvent::Click);
    LabelPreviewWindow* preview = shownPreview(test.window.get());
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle().toStdString(), c.title);
    EXPECT_EQ(textOf(preview, "CmMensagem"), c.message);
    EXPECT_EQ(textOf(preview, "CmResumo"), "");
    EXPECT_EQ(preview->findChild<QLabel*>(QStringLiteral("CmEtiqueta1")), nullptr);
    auto* close = preview->findChild<QPushButton*>(QStringLiteral("BT-FECHA"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text().toStdString(), c.close);
    EXPECT_EQ(preview->findChild<QListWidget*>(QStringLiteral("W-AVISOS"))->count(), 0);
    EXPECT_TRUE(test.platform.sent.empty());
}

INSTANTIATE_TEST_SUITE_P(Languages, EmptyPreview,
                         ::testing::Values(PreviewLanguage{1, "Visualizar etiquetas", "Fechar",
                                                           "Nenhum item marcado para impressão."},
                                           PreviewLanguage{2, "Label preview", "Close",
                                                           "No item selected for printing."}),
                         [](const ::testing::TestParamInfo<PreviewLanguage>& info) {
                             return info.param.language == 1 ? std::string("Portuguese")
                                                             : std::string("English");
                         });

TEST(PreviewWindow, APrintedRowIsNotTheNextJob) {
    PrintJobWindow test;
    // The fake clock never moves: print files of its own, apart from other tests' jobs.
    test.platform.tempDirValue = test.dir.path() + "/";
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
    LabelPreviewWindow* first = shownPreview(test.window.get());
    test.controls().menuVisualizar->trigger();
    const auto shown = test.window->findChildren<LabelPreviewWindow*>();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_NE(shown.front(), nullptr);
    (void)first;  // deleted by the second opening
    shown.front()->findChild<QPushButton*>(QStringLiteral("BT-FECHA"))->click();
    TestWindow::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(shownPreview(test.window.get()), nullptr);
    EXPECT_FALSE(test.window->formClosed());
}

// Everything of the window and of the system that a print job could change.
struct JobState {
    std::vector<QString> marks;
    rotulano::printing::ChannelState channel;
    bool printEnabled;
    QString toPrint;
    std::map<std::string, std::string> sent;
    int sends;
    std::vector<std::string> serialOpened;
    std::size_t sleeps;
    std::size_t boxes;
    QStringList workingDir;
    QStringList tempDir;
    std::string printFile;
};

JobState stateOf(PrintJobWindow& test) {
    const rotulano::printing::ChannelState& channel = test.session().channel;
    const QDir temp(QString::fromStdString(test.platform.tempDirValue));
    return {test.marks(),
            channel,
            test.controls().btImprime->isEnabled(),
            test.controls().wDetqtd->text(),
            test.platform.sent,
            test.platform.sends,
            test.platform.serialOpened,
            test.platform.sleeps.size(),
            test.messageBox.shown.size(),
            QDir(QString::fromStdString(test.dir.path()))
                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
            temp.entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
            readBytes(channel.printFileName)};
}

void expectSameState(const JobState& before, const JobState& after) {
    EXPECT_EQ(after.marks, before.marks);
    EXPECT_EQ(after.channel.tempDir, before.channel.tempDir);
    EXPECT_EQ(after.channel.printFileName, before.channel.printFileName);
    EXPECT_EQ(after.channel.printFileIsOurs, before.channel.printFileIsOurs);
    EXPECT_EQ(after.channel.serialPortConfigured, before.channel.serialPortConfigured);
    EXPECT_EQ(after.channel.logoLoaded, before.channel.logoLoaded);
    EXPECT_EQ(after.channel.serialPortName, before.channel.serialPortName);
    EXPECT_EQ(after.printEnabled, before.printEnabled);
    EXPECT_EQ(after.toPrint, before.toPrint);
    EXPECT_EQ(after.sent, before.sent);
    EXPECT_EQ(after.sends, before.sends);
    EXPECT_EQ(after.serialOpened, before.serialOpened);
    EXPECT_EQ(after.sleeps, before.sleeps);
    EXPECT_EQ(after.boxes, before.boxes);
    EXPECT_EQ(after.workingDir, before.workingDir);
    EXPECT_EQ(after.tempDir, before.tempDir);
    EXPECT_EQ(after.printFile, before.printFile);
}

struct ReadOnlyCase {
    const char* name;
    int model;
    int port;
    bool printFirst;  // a job has printed a row, so its print file lies in TempDir
};

class PreviewLeavesAlone : public ::testing::TestWithParam<ReadOnlyCase> {};

// The fake clock never moves: the preview names its print file with the very name of the
// job's, so only a directory of its own keeps it off the job's file.
TEST_P(PreviewLeavesAlone, MarksChannelPortsAndFiles) {
    const ReadOnlyCase& c = GetParam();
    PrintJobWindow test;
    test.platform.tempDirValue = test.dir.file("temp") + "/";
    QDir().mkpath(QString::fromStdString(test.platform.tempDirValue));
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
    const JobState before = stateOf(test);

    const std::size_t deletedBefore = test.platform.deleted.size();
    QTest::mouseClick(test.controls().btVisualiza, Qt::LeftButton);
    LabelPreviewWindow* preview = shownPreview(test.window.get());
    ASSERT_NE(preview, nullptr);
    EXPECT_NE(preview->findChild<QLabel*>(QStringLiteral("CmEtiqueta1")), nullptr);
    expectSameState(before, stateOf(test));
    // Only its own print files (logo download, labels), in a directory of its own, went.
    const std::string ownDir = test.platform.tempDirValue + "rotulano-visualiza-";
    ASSERT_GT(test.platform.deleted.size(), deletedBefore);
    for (std::size_t i = deletedBefore; i < test.platform.deleted.size(); ++i) {
        EXPECT_EQ(test.platform.deleted[i].rfind(ownDir, 0), 0U) << test.platform.deleted[i];
    }
    preview->findChild<QPushButton*>(QStringLiteral("BT-FECHA"))->click();
    TestWindow::processEvents();
    expectSameState(before, stateOf(test));
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
