#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QWindow>
#include <functional>

#include "orders/OrderTestLines.h"
#include "support/TestSupport.h"
#include "window/Handlers.h"
#include "window/PrintJobTestSupport.h"

// Settings chosen on the Configuração page and not saved: Gravar says whether there are
// any, and leaving them (another page, the window's close) asks whether to save them,
// discard them or stay.
namespace {

using rotulano::test::PrintJobWindow;
using rotulano::test::readBytes;
using rotulano::test::settingsRecord;
using rotulano::test::TestWindow;

constexpr int kSave = 0;
constexpr int kDiscard = 1;
constexpr int kStay = 2;

// The operator's choice in a list, as a click raises it.
void choose(rotulano::window::DropDownList* list, int position) {
    list->setCurrentIndex(position - 1);
    emit list->activated(position - 1);
}

struct SettingsWindow {
    // Model 1 (DPL, darkness 001-015) on LPT1, darkness 10, no pause, Portuguese.
    void start() {
        test.open(stored);
        test.clickPage(3);
        ASSERT_FALSE(c().btGrava->isEnabled());
    }
    // Speed B, English, Pausa ticked and model 6 (its own darkness list), none saved.
    void changeEverything() {
        choose(c().wPrmvel, 2);
        choose(c().wPrmlingua, 2);
        QTest::mouseClick(c().wPrmpara, Qt::LeftButton);
        choose(c().wPrmtipoimp, 6);
        ASSERT_TRUE(c().btGrava->isEnabled());
        ASSERT_EQ(c().wPrmtemp->count(), 30);
    }
    rotulano::window::Controls& c() { return test.controls(); }
    std::string file() { return readBytes(test.dir.file("CD21PRM.DAT")); }

    const std::string stored = settingsRecord(1, 1, 10, false, 2, 3, 'A', 1);
    PrintJobWindow test;
};

class UnsavedSettings : public ::testing::Test, protected SettingsWindow {};

// A new settings file stores speed "0", which the page shows as "A": nothing to save.
TEST(FreshSettings, TheCreatedSpeedShownAsAIsNoChange) {
    TestWindow test;
    test.open();
    ASSERT_EQ(readBytes(test.dir.file("CD21PRM.DAT"))[12], '0');
    EXPECT_EQ(test.controls().wPrmvel->currentText(), QStringLiteral("A"));
    EXPECT_FALSE(test.controls().btGrava->isEnabled());
    test.controls().tbOpera->setPage(3);
    EXPECT_FALSE(test.controls().btGrava->isEnabled());
    EXPECT_TRUE(test.messageBox.shown.empty());
}

TEST_F(UnsavedSettings, LeavingThePageAsksAndSaveStoresTheChoices) {
    start();
    choose(c().wPrmvel, 2);
    test.messageBox.choices = {kSave};
    test.clickPage(1);
    ASSERT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.messageBox.shown[0].title, QStringLiteral("Configuração"));
    EXPECT_EQ(test.messageBox.shown[0].text,
              QStringLiteral("As alterações da configuração não foram gravadas."));
    EXPECT_EQ(test.messageBox.choiceButtons[0],
              (QStringList{QStringLiteral("Gravar"), QStringLiteral("Descartar"),
                           QStringLiteral("Ficar")}));
    EXPECT_EQ(c().tbOpera->page(), 1);
    EXPECT_EQ(file(), settingsRecord(1, 1, 10, false, 2, 3, 'B', 1));
    test.clickPage(3);
    EXPECT_EQ(c().wPrmvel->currentText(), QStringLiteral("B"));
    EXPECT_FALSE(c().btGrava->isEnabled());
}

// Discard shows the stored settings again: language and captions, darkness list, Pausa.
TEST_F(UnsavedSettings, DiscardRestoresEverythingShown) {
    start();
    changeEverything();
    ASSERT_EQ(c().btGrava->text(), QStringLiteral("Save"));
    test.messageBox.choices = {kDiscard};
    test.clickPage(1);
    ASSERT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.messageBox.shown[0].title, QStringLiteral("Settings"));
    EXPECT_EQ(
        test.messageBox.choiceButtons[0],
        (QStringList{QStringLiteral("Save"), QStringLiteral("Discard"), QStringLiteral("Stay")}));
    EXPECT_EQ(c().tbOpera->page(), 1);
    EXPECT_EQ(file(), stored);
    EXPECT_EQ(c().btGrava->text(), QStringLiteral("Gravar"));
    EXPECT_EQ(c().wPrmlingua->selection(), 1);
    EXPECT_EQ(c().wPrmtipoimp->selection(), 1);
    EXPECT_EQ(c().wPrmtemp->count(), 15);
    EXPECT_EQ(c().wPrmtemp->currentText(), QStringLiteral("010"));
    EXPECT_FALSE(c().wPrmpara->isChecked());
    EXPECT_EQ(c().wPrmvel->currentText(), QStringLiteral("A"));
    EXPECT_FALSE(c().btGrava->isEnabled());
}

TEST_F(UnsavedSettings, StayKeepsThePageAndTheChoices) {
    start();
    choose(c().wPrmvel, 2);
    test.messageBox.choices = {kStay};
    test.clickPage(2);
    EXPECT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(c().tbOpera->page(), 3);
    EXPECT_EQ(c().wPrmvel->currentText(), QStringLiteral("B"));
    EXPECT_TRUE(c().btGrava->isEnabled());
    EXPECT_EQ(file(), stored);
}

// Choices changed and changed back leave nothing to ask about.
TEST_F(UnsavedSettings, ChoicesChangedBackAskNothing) {
    start();
    choose(c().wPrmportaimp, 2);
    choose(c().wPrmportaimp, 1);
    QTest::mouseClick(c().wPrmpara, Qt::LeftButton);
    QTest::mouseClick(c().wPrmpara, Qt::LeftButton);
    EXPECT_FALSE(c().btGrava->isEnabled());
    test.clickPage(1);
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_EQ(c().tbOpera->page(), 1);
}

// The window's own close asks the same; only Save and Discard let it close.
TEST_F(UnsavedSettings, ClosingTheWindowAsksSaveDiscardOrStay) {
    struct Case {
        const char* name;
        int choice;
        bool closes;
        std::string file;
    };
    const std::string withB = settingsRecord(1, 1, 10, false, 2, 3, 'B', 1);
    const Case cases[] = {{"stay", kStay, false, stored},
                          {"discard", kDiscard, true, stored},
                          {"save", kSave, true, withB}};
    for (const Case& one : cases) {
        SCOPED_TRACE(one.name);
        SettingsWindow window;
        window.start();
        choose(window.c().wPrmvel, 2);
        window.test.messageBox.choices = {one.choice};
        window.test.window->windowHandle()->close();
        TestWindow::processEvents();
        EXPECT_EQ(window.test.messageBox.shown.size(), 1U);
        EXPECT_EQ(window.test.window->formClosed(), one.closes);
        EXPECT_EQ(window.file(), one.file);
    }
}

// A Pausa ticked and not saved does not change the job: every ticked row goes out.
TEST_F(UnsavedSettings, ThePrintJobReadsTheSavedPauseNotTheTick) {
    test.open(stored);
    std::vector<std::string> lines{rotulano::test::headerLine()};
    for (const std::string& item : rotulano::test::threeAdhesives()) {
        lines.push_back(item);
    }
    test.loadOrder(lines);
    for (int row = 1; row <= 3; ++row) {
        test.clickCell(row, 2);
    }
    test.clickPage(3);
    QTest::mouseClick(c().wPrmpara, Qt::LeftButton);
    ASSERT_TRUE(c().wPrmpara->isChecked());
    rotulano::window::onPrint(test.window->context());
    EXPECT_EQ(test.marks(), std::vector<QString>(3, rotulano::test::kPrinted));
}

}  // namespace
