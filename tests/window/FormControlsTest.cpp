#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

#include "support/WindowFakes.h"
#include "window/FormDesign.h"
#include "window/Pictures.h"

namespace {

using rotulano::test::TestWindow;
using rotulano::window::ControlDesign;
using rotulano::window::ControlKind;
using rotulano::window::DisplayField;
using rotulano::window::DropDownList;
using rotulano::window::PageControl;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

bool hasKind(QWidget* control, ControlKind kind) {
    switch (kind) {
        case ControlKind::DisplayField:
            return qobject_cast<DisplayField*>(control) != nullptr;
        case ControlKind::Button:
            return qobject_cast<QPushButton*>(control) != nullptr;
        case ControlKind::TabStrip:
            return qobject_cast<PageControl*>(control) != nullptr;
        case ControlKind::Grid:
            return qobject_cast<QTableView*>(control) != nullptr;
        case ControlKind::List:
            return qobject_cast<DropDownList*>(control) != nullptr;
        case ControlKind::CheckBox:
            return qobject_cast<QCheckBox*>(control) != nullptr;
        case ControlKind::Numeric:
            return qobject_cast<QSpinBox*>(control) != nullptr;
        case ControlKind::Picture:
            return qobject_cast<QLabel*>(control) != nullptr &&
                   qobject_cast<DisplayField*>(control) == nullptr;
        case ControlKind::Frame:
            return control->inherits("QFrame") && qobject_cast<QLabel*>(control) == nullptr;
    }
    return false;
}

// The caption, edit picture or picture that the control shows before start-up, and what
// its design row says it should be.
QString shownCaption(QWidget* control, ControlKind kind) {
    if (auto* field = qobject_cast<DisplayField*>(control)) {
        return field->picture().isEmpty() ? field->text() : field->picture();
    }
    if (kind == ControlKind::Button || kind == ControlKind::CheckBox) {
        return static_cast<QAbstractButton*>(control)->text();
    }
    if (kind == ControlKind::Picture) {
        return rotulano::window::pictureName(static_cast<QLabel*>(control));
    }
    return QString();
}

QString designCaption(const ControlDesign& d) {
    const bool usesPicture = d.kind == ControlKind::Picture ||
                             (d.kind == ControlKind::DisplayField && *d.picture != '\0');
    const bool captioned = d.kind == ControlKind::DisplayField || d.kind == ControlKind::Button ||
                           d.kind == ControlKind::CheckBox;
    return usesPicture ? utf8(d.picture) : captioned ? utf8(d.caption) : QString();
}

// Where the operator sees the control: page controls from the tab strip's corner, the
// others in the window's client area.
QRect placeOf(QWidget* control, PageControl* tabs, int page) {
    const QPoint at = page >= 1 ? control->mapTo(tabs, QPoint(0, 0)) : control->pos();
    return QRect(at, control->size());
}

// Every control of the design is built with its kind, parent, place and design caption.
TEST(FormControls, AreBuiltAsTheirDesignRowsSay) {
    TestWindow test;
    const std::vector<ControlDesign>& design = rotulano::window::formDesign();
    ASSERT_GE(design.size(), 59U);
    for (const ControlDesign& d : design) {  // the captions, before the start-up sets them
        auto* control = test.window->findChild<QWidget*>(utf8(d.name));
        ASSERT_NE(control, nullptr) << d.name;
        EXPECT_TRUE(hasKind(control, d.kind)) << d.name;
        EXPECT_EQ(shownCaption(control, d.kind), designCaption(d)) << d.name;
    }
    test.window->show();  // lays out the tab strip
    PageControl* tabs = test.controls().tbOpera;
    for (const ControlDesign& d : design) {
        auto* control = test.window->findChild<QWidget*>(utf8(d.name));
        if (d.page >= 1) {
            EXPECT_TRUE(tabs->widget(d.page - 1)->isAncestorOf(control)) << d.name;
        } else {
            EXPECT_EQ(control->parentWidget(), test.window->centralWidget()) << d.name;
        }
        EXPECT_EQ(placeOf(control, tabs, d.page), d.rect) << d.name;
    }
}

struct Placed {
    const char* name;
    int page;
    QRect rect;
};

// One control of each placement, where the form's designer put it.
TEST(FormControls, StandWhereTheFormPutsThem) {
    TestWindow test;
    test.window->show();
    const Placed placed[] = {
        {"BT-SAIDA", -1, {693, 455, 90, 28}},     {"W-NOME-COMPLETO", 0, {20, 176, 754, 16}},
        {"W-NOMARQ", 0, {20, 159, 755, 15}},      {"TAB-PEDIDO", 1, {10, 129, 765, 189}},
        {"BT-IMPRIME", 2, {6, 332, 90, 28}},      {"BT-VISUALIZA", 2, {102, 332, 90, 28}},
        {"CmImage2", 2, {650, 144, 98, 127}},     {"W-PRMPARA", 3, {150, 234, 378, 19}},
        {"W-PRMMARG-SUP", 3, {736, 230, 29, 21}}, {"BT-REIMPRIME", 2, {198, 332, 90, 28}},
        {"LBL-DIARIO", 1, {10, 129, 765, 16}},
    };
    for (const Placed& p : placed) {
        auto* control = test.window->findChild<QWidget*>(utf8(p.name));
        ASSERT_NE(control, nullptr) << p.name;
        EXPECT_EQ(placeOf(control, test.controls().tbOpera, p.page), p.rect) << p.name;
    }
}

TEST(FormWindow, IsCP21000WithItsCaptionAndClientArea) {
    TestWindow test;
    EXPECT_EQ(test.window->objectName(), QStringLiteral("CP21000"));
    EXPECT_EQ(test.window->windowTitle(), QStringLiteral("Rotulano - 02.05.00"));
    EXPECT_EQ(test.window->centralWidget()->size(), QSize(800, 500));
    EXPECT_EQ(test.controls().window, test.window.get());
}

TEST(FormWindow, HeaderGroupShowsAboveThePages) {
    TestWindow test;
    test.window->show();
    const QPoint insideName = test.controls().wNomeCompleto->geometry().center();
    EXPECT_EQ(test.window->centralWidget()->childAt(insideName), test.controls().wNomeCompleto);
}

TEST(FormWindow, TabStripHasThreePagesWithTheirDesignCaptions) {
    TestWindow test;
    PageControl* tabs = test.controls().tbOpera;
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("  &Seleção  "));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("  &Impressão  "));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("  &Configuração  "));
    EXPECT_EQ(tabs->page(), 1);
}

TEST(FormWindow, GridHasElevenColumnsTheFirstHiddenAndNoRows) {
    TestWindow test;
    QTableView* grid = test.controls().tabPedido;
    const char* const headings[] = {
        "REGISTRO",  "Sel",     "Item", "Quant.", "Código", "Tipo da Etiqueta",
        "Descrição", "Tamanho", "",     "",       "Preço"};
    ASSERT_EQ(grid->model()->columnCount(), 11);
    for (int column = 0; column < 11; ++column) {
        EXPECT_EQ(grid->model()->headerData(column, Qt::Horizontal).toString(),
                  utf8(headings[column]))
            << column;
        EXPECT_EQ(grid->isColumnHidden(column), column == 0) << column;
    }
    EXPECT_EQ(grid->model()->rowCount(), 0);
    EXPECT_EQ(grid->toolTip(),
              utf8("Marque os itens que deseja imprimir com um clique na coluna \"Sel.\""));
}

TEST(FormWindow, ButtonsCarryTheirHintsAndBitmaps) {
    TestWindow test;
    const auto& c = test.controls();
    EXPECT_EQ(c.btImprime->toolTip(),
              utf8("Confirme se o dados estão corretos e click aqui para imprimir"));
    EXPECT_EQ(c.btSelecionar->toolTip(), utf8("Abre um arquivo de pedidos"));
    EXPECT_EQ(c.btVisualiza->toolTip(),
              utf8("Mostra as etiquetas do próximo item como sairão na impressora, sem imprimir"));
    for (QPushButton* button : {c.btSaida, c.btImprime, c.btVisualiza, c.btSelecionar, c.btGrava}) {
        EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
    }
}

TEST(FormWindow, NumericFieldsHoldTwoDigits) {
    TestWindow test;
    for (QSpinBox* field : {test.controls().wPrmmargEsq, test.controls().wPrmmargSup}) {
        EXPECT_EQ(field->minimum(), 0);
        EXPECT_EQ(field->maximum(), 99);
    }
}

TEST(FormWindow, MenuHoldsArquivoWithItsEightItemsThenSobre) {
    TestWindow test;
    const auto& c = test.controls();
    ASSERT_NE(c.cfMenu1, nullptr);
    EXPECT_EQ(c.cfMenu1->objectName(), QStringLiteral("CfMenu1"));
    const QList<QAction*> top = c.cfMenu1->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->objectName(), QStringLiteral("Arquivo"));
    EXPECT_EQ(top[0]->text(), QStringLiteral("&Arquivo"));
    EXPECT_EQ(top[0]->menu(), c.menuArquivo);
    EXPECT_EQ(c.menuArquivo->objectName(), QStringLiteral("Menu1"));
    EXPECT_EQ(top[1]->objectName(), QStringLiteral("Sobre"));
    EXPECT_EQ(top[1]->text(), QStringLiteral("S&obre"));

    const QList<QAction*> items = c.menuArquivo->actions();
    const char* const expected[][3] = {{"Imprimir", "Imprimir", "Ctrl+P"},
                                       {"Visualizar", "Visualizar", ""},
                                       {"Abrir", "Abrir Arquivo ", "Ctrl+O"},
                                       {"SelecionarTodos", "Selecionar todos", "Ctrl+A"},
                                       {"LimparSelecao", "Limpar seleção", "Ctrl+Shift+A"},
                                       {"Configuracao", "Configuração", ""},
                                       {"Historico", "&Histórico", ""},
                                       {"Sair", "Sair", "Ctrl+Q"}};
    ASSERT_EQ(items.size(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(items[i]->objectName(), utf8(expected[i][0]));
        EXPECT_EQ(items[i]->text(), utf8(expected[i][1]));
        EXPECT_EQ(items[i]->shortcut(), QKeySequence(utf8(expected[i][2]))) << expected[i][0];
    }
    EXPECT_EQ(c.menuImprimir, items[0]);
    EXPECT_EQ(c.menuVisualizar, items[1]);
    EXPECT_EQ(c.menuAbrir, items[2]);
    EXPECT_EQ(c.menuSelecionarTodos, items[3]);
    EXPECT_EQ(c.menuLimparSelecao, items[4]);
    EXPECT_EQ(c.menuConfiguracao, items[5]);
    EXPECT_EQ(c.menuSair, items[7]);
    EXPECT_EQ(c.menuSobre, top[1]);
}

TEST(FormWindow, ControlTableListsEveryControlTheHandlersUse) {
    TestWindow test;
    const auto& c = test.controls();
    const std::pair<QObject*, const char*> listed[] = {
        {c.wNomeCompleto, "W-NOME-COMPLETO"},
        {c.supplierNameField, "W-HEARAZ"},
        {c.supplierCnpjField, "W-HEACGC"},
        {c.orderNumberField, "W-HEAPED"},
        {c.orderDateField, "W-HEADAT-PED"},
        {c.wHeadatEmail, "W-HEADAT-EMAIL"},
        {c.wNomarq, "W-NOMARQ"},
        {c.wNomfor, "W-NOMFOR"},
        {c.wPedido, "W-PEDIDO"},
        {c.wPedido1, "W-PEDIDO1"},
        {c.wData, "W-DATA"},
        {c.btSaida, "BT-SAIDA"},
        {c.tbOpera, "TB-OPERA"},
        {c.tabPedido, "TAB-PEDIDO"},
        {c.btSelecionar, "BT-SELECIONAR"},
        {c.wDetqtd, "W-DETQTD"},
        {c.wEtiqueta, "W-ETIQUETA"},
        {c.wQtdimp, "W-QTDIMP"},
        {c.cmImage2, "CmImage2"},
        {c.btImprime, "BT-IMPRIME"},
        {c.btVisualiza, "BT-VISUALIZA"},
        {c.btReimprime, "BT-REIMPRIME"},
        {c.journalLine, "LBL-DIARIO"},
        {c.remainingCaption, "CmStatic6"},
        {c.nextJobCaption, "CmStatic7"},
        {c.labelTypeCaption, "CmStatic8"},
        {c.quantityCaption, "CmStatic9"},
        {c.wPrmtipoimp, "W-PRMTIPOIMP"},
        {c.wPrmportaimp, "W-PRMPORTAIMP"},
        {c.wPrmtemp, "W-PRMTEMP"},
        {c.wPrmvel, "W-PRMVEL"},
        {c.wPrmlingua, "W-PRMLINGUA"},
        {c.wPrmpara, "W-PRMPARA"},
        {c.wPrmmargEsq, "W-PRMMARG-ESQ"},
        {c.wPrmmargSup, "W-PRMMARG-SUP"},
        {c.btGrava, "BT-GRAVA"},
        {c.wPadrao, "W-PADRAO"},
        {c.wPorta, "W-PORTA"},
        {c.wTemperatura, "W-TEMPERATURA"},
        {c.wVelocidade, "W-VELOCIDADE"},
        {c.wMargens, "W-MARGENS"},
        {c.wMargem1, "W-MARGEM1"},
        {c.wMargem2, "W-MARGEM2"},
        {c.cmImage1, "CmImage1"},
    };
    for (const auto& [control, name] : listed) {
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->objectName(), utf8(name));
    }
}

}  // namespace
