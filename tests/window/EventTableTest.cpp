#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "support/WindowFakes.h"
#include "window/EventTable.h"

namespace {

using rotulano::test::TestWindow;
using rotulano::window::EventTable;
using rotulano::window::FormEvent;
using Names = std::vector<std::string>;

TEST(EventTableListing, NamesOnlyControlsOfTheWindow) {
    TestWindow test;
    for (const auto& binding : EventTable::bindings()) {
        const QString name = QString::fromUtf8(binding.control);
        const bool isWindow = name == QStringLiteral("CP21000");
        EXPECT_TRUE(isWindow || test.window->findChild<QObject*>(name) != nullptr)
            << binding.control;
    }
}

TEST(EventTableRaise, UnwiredEventsAreIgnored) {
    TestWindow test;
    EXPECT_FALSE(test.window->events().raise(QStringLiteral("W-HEARAZ"), FormEvent::TextChanged));
    EXPECT_FALSE(test.window->events().raise(QStringLiteral("BT-SAIDA"), FormEvent::PageChanged));
    EXPECT_TRUE(
        test.window->events().raise(QStringLiteral("W-PRMVEL"), FormEvent::SelectionChanged));
}

// Records the handlers that the table runs, in order.
void traceOf(TestWindow& test, Names& names) {
    test.window->events().setObserver(
        [&names](const rotulano::window::EventBinding& b) { names.push_back(b.handlerName); });
}

TEST(EventTableStartUp, OpenedRunsFirstAndTheHandlersItsChangesRaiseRunAtOnce) {
    TestWindow test;
    Names ran;
    traceOf(test, ran);
    test.open();
    // A model chosen brings its darkness list at once, with a step chosen in it.
    const Names expected = {"ON-FORM-OPENED",
                            // the fixed lists: first model and first language selected
                            "ON-PRINTER-MODEL-CHANGED", "ON-SETTING-CHANGED", "ON-LANGUAGE-CHANGED",
                            // the stored settings shown: model, port, language, darkness, speed
                            "ON-PRINTER-MODEL-CHANGED", "ON-SETTING-CHANGED", "ON-SETTING-CHANGED",
                            "ON-LANGUAGE-CHANGED", "ON-SETTING-CHANGED", "ON-SETTING-CHANGED"};
    EXPECT_EQ(ran, expected);
}

class WiredEvents : public ::testing::Test {
  protected:
    void SetUp() override {
        test.open();
        ASSERT_TRUE(test.messageBox.shown.empty());
        traceOf(test, ran);
    }
    void expectModalPreview() {
        auto* preview = test.window->findChild<QWidget*>(QStringLiteral("CP21PRV"));
        ASSERT_NE(preview, nullptr);
        EXPECT_TRUE(preview->isVisible());
        EXPECT_TRUE(preview->isModal());
    }

    TestWindow test;
    Names ran;
};

// Both close the window through its closed event, which deletes the last print file.
TEST(WiredExit, SaidaAndMenuSairCloseTheWindow) {
    for (bool fromMenu : {false, true}) {
        SCOPED_TRACE(fromMenu ? "Sair" : "BT-SAIDA");
        TestWindow test;
        test.open();
        Names ran;
        traceOf(test, ran);
        test.session().channel.printFileName = test.dir.file("09050703.TXT");
        if (fromMenu) {
            test.controls().menuSair->trigger();
        } else {
            QTest::mouseClick(test.controls().btSaida, Qt::LeftButton);
        }
        EXPECT_EQ(ran, (Names{"ON-EXIT", "ON-FORM-CLOSED"}));
        EXPECT_TRUE(test.window->formClosed());
        EXPECT_FALSE(test.window->isVisible());
        EXPECT_EQ(test.platform.deleted, Names{test.dir.file("09050703.TXT")});
    }
}

TEST_F(WiredEvents, TheWindowsCloseBoxRunsTheClosedEventOnce) {
    test.window->close();
    test.window->close();
    EXPECT_EQ(ran, (Names{"ON-FORM-CLOSED"}));
}

// A click on a tab changes the page and is a click: the summary runs for each.
TEST_F(WiredEvents, ClickingATabRunsTheSummaryForThePageChangeAndForTheClick) {
    QTabBar* bar = test.controls().tbOpera->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(test.controls().tbOpera->page(), 2);
    EXPECT_EQ(ran, (Names{"SUB-TESTA-SELECAO", "SUB-TESTA-SELECAO"}));
}

TEST_F(WiredEvents, MenuConfiguracaoShowsPageThreeWithTheModelListFocused) {
    test.window->activateWindow();
    test.controls().menuConfiguracao->trigger();
    // Page three shows the stored settings again: model (with its darkness list's step),
    // port, language, darkness, speed.
    EXPECT_EQ(ran, (Names{"ON-MENU-CONFIGURE", "SUB-TESTA-SELECAO", "ON-PRINTER-MODEL-CHANGED",
                          "ON-SETTING-CHANGED", "ON-SETTING-CHANGED", "ON-LANGUAGE-CHANGED",
                          "ON-SETTING-CHANGED", "ON-SETTING-CHANGED"}));
    EXPECT_EQ(test.controls().tbOpera->page(), 3);
    EXPECT_EQ(test.window->focusWidget(), test.controls().wPrmtipoimp);
}

TEST_F(WiredEvents, MenuImprimirShowsPageTwoAndRunsTheSummaryEvenOnPageTwo) {
    test.controls().menuImprimir->trigger();
    test.controls().menuImprimir->trigger();
    EXPECT_EQ(test.controls().tbOpera->page(), 2);
    EXPECT_EQ(ran,
              (Names{"ON-MENU-PRINT", "SUB-TESTA-SELECAO", "ON-MENU-PRINT", "SUB-TESTA-SELECAO"}));
}

TEST_F(WiredEvents, VisualizaAndMenuVisualizarOpenTheModalPreview) {
    test.controls().tbOpera->setCurrentIndex(1);
    ran.clear();
    QTest::mouseClick(test.controls().btVisualiza, Qt::LeftButton);
    EXPECT_EQ(ran, Names{"ON-PREVIEW"});
    expectModalPreview();
    ran.clear();
    test.controls().menuVisualizar->trigger();
    EXPECT_EQ(ran, Names{"ON-PREVIEW"});
    expectModalPreview();
}

}  // namespace
