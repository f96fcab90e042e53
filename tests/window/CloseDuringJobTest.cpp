#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QWindow>
#include <functional>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "support/TestSupport.h"
#include "window/PrintJobTestSupport.h"
#include "window/PrintProgressDialog.h"

// Closing the main window while a job runs, and the cancel question when the job ends
// before the operator answers it.
namespace {

using rotulano::test::kPrinted;
using rotulano::test::kTicked;

using rotulano::test::onWindowThread;
using rotulano::test::PrintJobWindow;
using rotulano::test::settingsRecord;
using rotulano::test::shownProgressDialog;
using rotulano::test::startFiveSmallAdhesives;
using rotulano::window::PrintProgressDialog;

constexpr int kYes = 6;
constexpr int kNo = 7;
constexpr int kWaitLimitMs = 10000;

const QString kQuestion = QStringLiteral(
    "Cancelar a impressão? A linha que está sendo enviada termina antes; as linhas impressas "
    "ficam marcadas e as demais continuam selecionadas.");

// A window with a job about to run.
struct JobWindow {
    // Five small adhesives (one send each), all ticked, on the Impressão page.
    void start() { startFiveSmallAdhesives(test, 1); }
    void atSend(int send, std::function<void()> work, bool wait) {
        test.platform.onSend = [this, send, work, wait] {
            if (test.platform.sends == send) {
                onWindowThread(work, wait);
            }
        };
    }
    // The window manager's close button: the close request of the window itself.
    void closeFromTitleBar() { test.window->windowHandle()->close(); }
    // Inside the question: lets the job go on until the program closes the box.
    void waitUntilTheProgramClosesTheQuestion() {
        test.messageBox.onShow = [this](const rotulano::test::ShownMessage&) {
            // The test's own checks follow: the wait ends either way.
            (void)QTest::qWaitFor([this] { return test.messageBox.closedByProgram > 0; },
                                  kWaitLimitMs);
        };
    }

    PrintJobWindow test;
};

class CloseDuringJob : public ::testing::Test, protected JobWindow {};

}  // namespace

// While the job runs the main window is not blocked by a modal dialog (its own close
// must reach the program) but its pages take no input.
TEST_F(CloseDuringJob, TheWindowIsHeldButNotBlockedWhileAJobRuns) {
    start();
    bool modalShown = true;
    bool pagesEnabled = true;
    bool menuEnabled = true;
    atSend(
        2,
        [&] {
            modalShown = QApplication::activeModalWidget() != nullptr;
            pagesEnabled = test.controls().tbOpera->isEnabled();
            menuEnabled = test.controls().cfMenu1->isEnabled();
        },
        true);
    test.clickPrint();
    EXPECT_FALSE(modalShown);
    EXPECT_FALSE(pagesEnabled);
    EXPECT_FALSE(menuEnabled);
    EXPECT_TRUE(test.controls().tbOpera->isEnabled());
    EXPECT_TRUE(test.controls().cfMenu1->isEnabled());
}

// "Sim": the job is cancelled, the row in flight ends whole and marked, and the window
// closes only after it.
TEST_F(CloseDuringJob, ClosingTheWindowAsksAndSimClosesItOnceTheRowEnds) {
    start();
    test.messageBox.answer = kYes;
    bool visibleAfterAnswer = false;
    atSend(
        2,
        [&] {
            closeFromTitleBar();
            visibleAfterAnswer = test.window->isVisible();
        },
        true);
    test.clickPrint();
    ASSERT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.messageBox.shown[0].title, QStringLiteral("Confirmação"));
    EXPECT_EQ(test.messageBox.shown[0].text, kQuestion);
    EXPECT_EQ(test.messageBox.shown[0].style, 0x24);
    EXPECT_TRUE(visibleAfterAnswer);
    EXPECT_EQ(test.marks(), (std::vector<QString>{kPrinted, kPrinted, kTicked, kTicked, kTicked}));
    EXPECT_EQ(test.platform.sends, 2);
    EXPECT_TRUE(QTest::qWaitFor([this] { return test.window->formClosed(); }, kWaitLimitMs));
    EXPECT_FALSE(test.window->isVisible());
}

// "Não": the job goes on to its end and the window stays.
TEST_F(CloseDuringJob, ClosingTheWindowAndAnsweringNaoKeepsTheJobAndTheWindow) {
    start();
    test.messageBox.answer = kNo;
    atSend(
        2, [&] { closeFromTitleBar(); }, true);
    test.clickPrint();
    QApplication::processEvents();
    EXPECT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.marks(), std::vector<QString>(5, kPrinted));
    EXPECT_TRUE(test.window->isVisible());
    EXPECT_FALSE(test.window->formClosed());
}

// Both ways of asking: the question closes itself when the last row ends before the
// operator answers; nothing is cancelled and the main window stays.
TEST_F(CloseDuringJob, TheQuestionClosesItselfWhenTheJobEndsFirst) {
    struct Case {
        const char* name;
        std::function<void(JobWindow&)> ask;
    };
    const Case cases[] = {
        {"title-bar close of the main window", [](JobWindow& t) { t.closeFromTitleBar(); }},
        {"Escape in the dialog",
         [](JobWindow&) { QTest::keyClick(shownProgressDialog(), Qt::Key_Escape); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        JobWindow t;
        t.start();
        t.test.messageBox.answer = kYes;  // would cancel, were it ever answered
        t.waitUntilTheProgramClosesTheQuestion();
        t.atSend(
            5, [&] { c.ask(t); }, false);
        t.test.clickPrint();
        ASSERT_EQ(t.test.messageBox.shown.size(), 1U);
        EXPECT_EQ(t.test.messageBox.shown[0].text, kQuestion);
        EXPECT_EQ(t.test.messageBox.closedByProgram, 1);
        EXPECT_EQ(t.test.marks(), std::vector<QString>(5, kPrinted));
        EXPECT_EQ(shownProgressDialog(), nullptr);
        QApplication::processEvents();
        EXPECT_TRUE(t.test.window->isVisible());
        EXPECT_FALSE(t.test.window->formClosed());
    }
}
