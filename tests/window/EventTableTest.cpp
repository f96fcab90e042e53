#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <algorithm>

#include "support/WindowFakes.h"
#include "window/EventTable.h"

namespace {

using rotulano::test::TestWindow;
using rotulano::window::EventTable;
using rotulano::window::FormEvent;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

struct Wiring {
    const char* control;
    const char* event;
    const char* handler;
};

// The event table of the form, row by row.
const Wiring kWiring[] = {
    {"CP21000", "opened", "ON-FORM-OPENED"},
    {"CP21000", "closed", "ON-FORM-CLOSED"},
    {"W-NOME-COMPLETO", "text changed", "ON-ORDER-PATH-CHANGED"},
    {"BT-SAIDA", "click", "ON-EXIT"},
    {"TB-OPERA", "click", "SUB-TESTA-SELECAO"},
    {"TB-OPERA", "page changed", "SUB-TESTA-SELECAO"},
    {"TAB-PEDIDO", "click", "ON-GRID-CLICKED"},
    {"BT-IMPRIME", "click", "ON-PRINT"},
    {"BT-VISUALIZA", "click", "ON-PREVIEW"},
    {"BT-SELECIONAR", "click", "SUB-PROCURA-ARQUIVO"},
    {"W-PRMTIPOIMP", "selection changed", "ON-PRINTER-MODEL-CHANGED"},
    {"W-PRMPORTAIMP", "selection changed", "ON-SETTING-CHANGED"},
    {"W-PRMTEMP", "selection changed", "ON-SETTING-CHANGED"},
    {"W-PRMVEL", "selection changed", "ON-SETTING-CHANGED"},
    {"W-PRMLINGUA", "selection changed", "ON-LANGUAGE-CHANGED"},
    {"W-PRMPARA", "click", "ON-SETTING-CHANGED"},
    {"BT-GRAVA", "click", "ON-SAVE-SETTINGS"},
    {"W-PRMMARG-ESQ", "value changed", "ON-MARGIN-EDITED"},
    {"W-PRMMARG-ESQ", "editing finished", "ON-SETTING-CHANGED"},
    {"W-PRMMARG-SUP", "value changed", "ON-MARGIN-EDITED"},
    {"W-PRMMARG-SUP", "editing finished", "ON-SETTING-CHANGED"},
    {"Imprimir", "click", "ON-MENU-PRINT"},
    {"Visualizar", "click", "ON-PREVIEW"},
    {"Abrir", "click", "SUB-PROCURA-ARQUIVO"},
    {"Configuracao", "click", "ON-MENU-CONFIGURE"},
    {"Sair", "click", "ON-EXIT"},
    {"Sobre", "click", "ON-MENU-ABOUT"},
};

TEST(EventTableListing, HoldsEveryWiredEventOnceWithItsHandler) {
    const auto& table = EventTable::bindings();
    ASSERT_EQ(table.size(), std::size(kWiring));
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_STREQ(table[i].control, kWiring[i].control) << i;
        EXPECT_EQ(EventTable::eventName(table[i].event), utf8(kWiring[i].event)) << i;
        EXPECT_STREQ(table[i].handlerName, kWiring[i].handler) << i;
        EXPECT_NE(table[i].handler, nullptr) << i;
    }
}

TEST(EventTableListing, NamesOnlyControlsOfTheWindow) {
    TestWindow test;
    for (const auto& binding : EventTable::bindings()) {
        const QString name = utf8(binding.control);
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
class Trace {
  public:
    explicit Trace(EventTable& table) {
        table.setObserver([this](const rotulano::window::EventBinding& binding) {
            names.push_back(binding.handlerName);
        });
    }
    int count(const std::string& handler) const {
        return static_cast<int>(std::count(names.begin(), names.end(), handler));
    }
    std::vector<std::string> names;
};

TEST(EventTableStartUp, OpenedRunsFirstAndTheHandlersItsChangesRaiseRunAtOnce) {
    TestWindow test;
    Trace trace(test.window->events());
    test.open();
    const std::vector<std::string> expected = {
        "ON-FORM-OPENED",
        // the fixed lists: first model and first language selected
        "ON-PRINTER-MODEL-CHANGED", "ON-LANGUAGE-CHANGED",
        // the stored settings shown: model, port, language, darkness, speed
        "ON-PRINTER-MODEL-CHANGED", "ON-SETTING-CHANGED", "ON-LANGUAGE-CHANGED",
        "ON-SETTING-CHANGED", "ON-SETTING-CHANGED"};
    EXPECT_EQ(trace.names, expected);
}

class WiredEvents : public ::testing::Test {
  protected:
    void SetUp() override {
        test.open();
        ASSERT_TRUE(test.messageBox.shown.empty());
        ASSERT_FALSE(test.controls().btGrava->isEnabled());
        test.window->events().setObserver(
            [this](const rotulano::window::EventBinding& b) { ran.push_back(b.handlerName); });
    }
    std::vector<std::string> ran;
    TestWindow test;
};

using Names = std::vector<std::string>;

TEST_F(WiredEvents, ClickingSaidaClosesTheWindowThroughTheClosedEvent) {
    test.session().channel.printFileName = test.dir.file("09050703.TXT");
    test.session().channel.printFileIsOurs = true;
    QTest::mouseClick(test.controls().btSaida, Qt::LeftButton);
    EXPECT_EQ(ran, (Names{"ON-EXIT", "ON-FORM-CLOSED"}));
    EXPECT_TRUE(test.window->formClosed());
    EXPECT_FALSE(test.window->isVisible());
    ASSERT_EQ(test.platform.deleted.size(), 1u);
    EXPECT_EQ(test.platform.deleted[0], test.dir.file("09050703.TXT"));
}

TEST_F(WiredEvents, MenuSairBehavesLikeSaida) {
    test.session().channel.printFileName = test.dir.file("09050703.TXT");
    test.session().channel.printFileIsOurs = true;
    test.controls().menuSair->trigger();
    EXPECT_EQ(ran, (Names{"ON-EXIT", "ON-FORM-CLOSED"}));
    ASSERT_EQ(test.platform.deleted.size(), 1u);
}

TEST_F(WiredEvents, TheWindowsCloseBoxRunsTheClosedEventOnce) {
    test.window->close();
    test.window->close();
    EXPECT_EQ(ran, (Names{"ON-FORM-CLOSED"}));
}

TEST_F(WiredEvents, ChangingThePageRunsTheSelectionSummary) {
    test.controls().tbOpera->setCurrentIndex(1);
    EXPECT_EQ(ran, (Names{"SUB-TESTA-SELECAO"}));
}

TEST_F(WiredEvents, ClickingATabRunsTheSummaryForThePageChangeAndForTheClick) {
    test.window->show();
    QTabBar* bar = test.controls().tbOpera->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(test.controls().tbOpera->page(), 2);
    EXPECT_EQ(ran, (Names{"SUB-TESTA-SELECAO", "SUB-TESTA-SELECAO"}));
}

TEST_F(WiredEvents, ChoosingAListItemRunsItsHandlerEvenForTheSelectedItem) {
    const std::pair<rotulano::window::DropDownList*, const char*> lists[] = {
        {test.controls().wPrmtipoimp, "ON-PRINTER-MODEL-CHANGED"},
        {test.controls().wPrmportaimp, "ON-SETTING-CHANGED"},
        {test.controls().wPrmtemp, "ON-SETTING-CHANGED"},
        {test.controls().wPrmvel, "ON-SETTING-CHANGED"},
        {test.controls().wPrmlingua, "ON-LANGUAGE-CHANGED"},
    };
    for (const auto& [list, handler] : lists) {
        ran.clear();
        emit list->activated(list->currentIndex());
        EXPECT_EQ(ran, (Names{handler})) << list->objectName().toStdString();
    }
}

TEST_F(WiredEvents, ClickingThePauseBoxRunsSettingChanged) {
    QTest::mouseClick(test.controls().wPrmpara, Qt::LeftButton, {}, QPoint(5, 9));
    EXPECT_EQ(ran, (Names{"ON-SETTING-CHANGED"}));
    EXPECT_TRUE(test.controls().btGrava->isEnabled());
}

TEST_F(WiredEvents, MarginFieldsRunBothNotifications) {
    test.controls().wPrmmargEsq->setValue(7);
    emit test.controls().wPrmmargEsq->editingFinished();
    test.controls().wPrmmargSup->setValue(3);
    emit test.controls().wPrmmargSup->editingFinished();
    EXPECT_EQ(ran, (Names{"ON-MARGIN-EDITED", "ON-SETTING-CHANGED", "ON-MARGIN-EDITED",
                          "ON-SETTING-CHANGED"}));
}

TEST_F(WiredEvents, GridClickHandsTheClickedCellToTheHandlerCountingFromOne) {
    QTableWidget* grid = test.controls().tabPedido;
    grid->setRowCount(3);
    emit grid->cellClicked(2, 1);
    EXPECT_EQ(ran, (Names{"ON-GRID-CLICKED"}));
    EXPECT_EQ(test.session().clickedRow, 3);
    EXPECT_EQ(test.session().clickedColumn, 2);
}

TEST_F(WiredEvents, ButtonsRunTheirHandlers) {
    test.controls().btImprime->setEnabled(true);
    test.controls().btGrava->setEnabled(true);
    const std::pair<QPushButton*, const char*> buttons[] = {
        {test.controls().btImprime, "ON-PRINT"},
        {test.controls().btGrava, "ON-SAVE-SETTINGS"},
    };
    for (const auto& [button, handler] : buttons) {
        ran.clear();
        button->click();
        ASSERT_FALSE(ran.empty());
        EXPECT_EQ(ran.front(), handler);
    }
}

TEST_F(WiredEvents, SelecionarAndMenuAbrirRunTheChooser) {
    test.controls().btSelecionar->click();
    test.controls().menuAbrir->trigger();
    EXPECT_EQ(test.fileDialog.openings.size(), 2u);
    EXPECT_EQ(ran.front(), "SUB-PROCURA-ARQUIVO");
    EXPECT_EQ(std::count(ran.begin(), ran.end(), "SUB-PROCURA-ARQUIVO"), 2);
}

TEST_F(WiredEvents, MenuConfiguracaoShowsPageThreeWithTheModelListFocused) {
    test.window->activateWindow();
    test.controls().menuConfiguracao->trigger();
    ASSERT_GE(ran.size(), 2u);
    EXPECT_EQ(ran[0], "ON-MENU-CONFIGURE");
    EXPECT_EQ(ran[1], "SUB-TESTA-SELECAO");
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

TEST_F(WiredEvents, TheOrderPathFieldRunsTheLoaderEvenForTheSamePath) {
    const QString path = QStringLiteral("PEDIDO.txt");
    test.controls().wNomeCompleto->setText(path);
    test.controls().wNomeCompleto->setText(path);
    EXPECT_EQ(ran, (Names{"ON-ORDER-PATH-CHANGED", "ON-ORDER-PATH-CHANGED"}));
}

TEST_F(WiredEvents, MenuSobreOpensTheAboutWindow) {
    test.controls().menuSobre->trigger();
    EXPECT_EQ(ran, (Names{"ON-MENU-ABOUT"}));
    EXPECT_NE(test.window->findChild<QWidget*>(QStringLiteral("CP21999")), nullptr);
}

}  // namespace
