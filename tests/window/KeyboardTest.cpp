#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "support/TestSupport.h"
#include "window/PrintJobTestSupport.h"

// Every action within reach of the keyboard: the menu by Alt and its letter, the menu
// items' keys, Tab through each page's controls and out of the grid, Ctrl+Tab between pages.
namespace {

using rotulano::test::PrintJobWindow;
using rotulano::test::settingsRecord;
using rotulano::test::TestWindow;
namespace orders = rotulano::orders;

constexpr int kWaitLimitMs = 5000;

class Keyboard : public ::testing::Test {
  protected:
    void start(int language = 1) {
        test.open(settingsRecord(5, 1, 15, false, 2, 3, 'C', language));
        QApplication::setActiveWindow(test.window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(test.window.get(), kWaitLimitMs));
    }
    rotulano::window::Controls& c() { return test.controls(); }
    void press(const QKeySequence& keys) {
        QTest::keySequence(QApplication::focusWidget() != nullptr ? QApplication::focusWidget()
                                                                  : test.window.get(),
                           keys);
    }
    // The names of the controls that Tab reaches, `count` presses from `from`.
    std::vector<std::string> tabWalk(QWidget* from, int count) {
        from->setFocus();
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            names.push_back(focused == nullptr ? "<none>" : focused->objectName().toStdString());
        }
        return names;
    }

    PrintJobWindow test;
};

}  // namespace

// Alt and the menu's underlined letter open it, in the interface's language.
TEST_F(Keyboard, AltAndTheMnemonicOpenTheMenuInEachLanguage) {
    struct Case {
        int language;
        Qt::Key key;
        const char* title;
    };
    for (const Case& one : {Case{1, Qt::Key_A, "&Arquivo"}, Case{2, Qt::Key_F, "&File"}}) {
        SCOPED_TRACE(one.title);
        PrintJobWindow window;
        window.open(settingsRecord(5, 1, 15, false, 2, 3, 'C', one.language));
        QApplication::setActiveWindow(window.window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.window.get(), kWaitLimitMs));
        EXPECT_EQ(window.controls().menuArquivo->title(), QString::fromUtf8(one.title));
        QTest::keyClick(window.window.get(), one.key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.controls().menuArquivo->isVisible(); },
                                    kWaitLimitMs));
        window.controls().menuArquivo->close();
    }
}

TEST_F(Keyboard, OpenPrintAndQuitHaveTheirKeys) {
    start();
    press(QKeySequence::Open);
    EXPECT_EQ(test.fileDialog.openings.size(), 1U);
    press(QKeySequence::Print);
    EXPECT_EQ(c().tbOpera->page(), 2);
    press(QKeySequence(Qt::CTRL | Qt::Key_Q));
    TestWindow::processEvents();
    EXPECT_TRUE(test.window->formClosed());
}

// A key of the menu does nothing while its item is disabled.
TEST_F(Keyboard, AMenuKeyDoesNothingWhileItsItemIsDisabled) {
    start();
    c().menuAbrir->setEnabled(false);
    press(QKeySequence::Open);
    EXPECT_TRUE(test.fileDialog.openings.empty());
}

// Tab leaves the grid for the next control; Shift+Tab comes back to it.
TEST_F(Keyboard, TabLeavesTheGrid) {
    start();
    test.loadOrder({rotulano::test::headerLine(), rotulano::test::itemLine('2'),
                    rotulano::test::itemLine('2')});
    c().tabPedido->setFocus();
    c().tabPedido->setCurrentIndex(c().tabPedido->model()->index(0, orders::kColSel - 1));
    QTest::keyClick(c().tabPedido, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), c().btSelecionar);
    QTest::keyClick(c().btSelecionar, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), c().tabPedido);
}

TEST_F(Keyboard, TabWalksTheConfigurationPageInReadingOrder) {
    start();
    test.clickPage(3);
    c().wPrmvel->setSelection(4);  // a choice to save: Gravar takes the focus too
    ASSERT_TRUE(c().btGrava->isEnabled());
    EXPECT_EQ(tabWalk(c().wPrmtipoimp, 10),
              (std::vector<std::string>{"W-PRMPORTAIMP", "W-PRMTEMP", "W-PRMVEL", "W-PRMLINGUA",
                                        "W-PRMPARA", "W-PRMMARG-ESQ", "W-PRMMARG-SUP", "BT-GRAVA",
                                        "BT-PORTAS", "BT-SAIDA"}));
}

// Ctrl+Tab and Ctrl+Shift+Tab move between the pages, wherever the focus is on them.
TEST_F(Keyboard, CtrlTabMovesBetweenPages) {
    start();
    c().tabPedido->setFocus();
    QTest::keyClick(c().tabPedido, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(c().tbOpera->page(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(c().tbOpera->page(), 3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(c().tbOpera->page(), 2);
}
