#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <algorithm>

#include "support/WindowFakes.h"
#include "window/Pictures.h"

namespace {

using rotulano::test::TestWindow;
using rotulano::window::DisplayField;
using rotulano::window::DropDownList;
using rotulano::window::PageControl;

enum Kind { Field, Button, Tabs, Grid, List, Check, Numeric, Picture, Frame };

// page: -1 on the window, 0 the header group (on the window too), 1 to 3 a page of
// TB-OPERA; page controls are placed from the tab strip's corner.
struct Design {
    const char* name;
    Kind kind;
    const char* caption;  // design caption, edit picture or picture name
    int page;
    int x, y, w, h;
};

const Design kForm[] = {
    {"W-HEADAT-PED", Field, "99/99/9999", 0, 582, 224, 71, 16},
    {"W-HEAPED", Field, "X(06)", 0, 435, 224, 90, 16},
    {"W-HEACGC", Field, "99B999B999B9999B99", 0, 281, 224, 136, 16},
    {"W-HEARAZ", Field, "X(30)", 0, 20, 224, 244, 16},
    {"W-NOME-COMPLETO", Field, "X(150)", 0, 20, 176, 754, 16},
    {"BT-SAIDA", Button, "Sai", -1, 693, 455, 90, 28},
    {"TB-OPERA", Tabs, "", -1, 6, 123, 785, 368},
    {"TAB-PEDIDO", Grid, "", 1, 10, 129, 765, 189},
    {"W-DETQTD", Field, "ZZZ.ZZZ", 2, 23, 208, 105, 28},
    {"BT-IMPRIME", Button, "Im&prime", 2, 6, 332, 90, 28},
    {"BT-SELECIONAR", Button, "&Arquivo", 1, 6, 332, 90, 28},
    {"W-ETIQUETA", Field, "X(30)", 2, 282, 192, 359, 28},
    {"W-PADRAO", Field, "Padrão de Formatação ", 3, 150, 157, 173, 21},
    {"W-PORTA", Field, "Porta", 3, 349, 157, 76, 21},
    {"W-PRMTIPOIMP", List, "", 3, 150, 183, 173, 22},
    {"W-PRMPORTAIMP", List, "", 3, 349, 183, 76, 22},
    {"W-QTDIMP", Field, "ZZZ.ZZZ", 2, 282, 244, 171, 28},
    {"CmImage1", Picture, "IMG-Lojasverdelis", -1, 191, 23, 415, 70},
    {"CmShape1", Frame, "", -1, 173, 12, 451, 96},
    {"W-PRMTEMP", List, "", 3, 451, 183, 91, 22},
    {"W-TEMPERATURA", Field, "Temperatura", 3, 451, 157, 91, 21},
    {"W-PRMPARA", Check, "Pausa na impressão após cada item ser impresso", 3, 150, 234, 378, 19},
    {"BT-GRAVA", Button, "Salva", 3, 6, 332, 90, 28},
    {"W-MARGEM1", Field, "Esquerda", 3, 677, 197, 50, 21},
    {"W-MARGEM2", Field, "Superior", 3, 677, 230, 50, 21},
    {"W-PRMMARG-ESQ", Numeric, "", 3, 736, 197, 29, 21},
    {"W-PRMMARG-SUP", Numeric, "", 3, 736, 230, 29, 21},
    {"CmShape2", Frame, "", 0, 15, 154, 766, 41},
    {"W-NOMARQ", Field, " Arquivo Selecionado  ", 0, 20, 159, 755, 15},
    {"W-NOMFOR", Field, "Nome do Fornecedor", 0, 20, 206, 244, 15},
    {"CmShape4", Frame, "", 0, 15, 202, 254, 41},
    {"W-HEACGC15", Field, "C.N.P.J", 0, 281, 206, 136, 15},
    {"CmShape5", Frame, "", 0, 276, 202, 147, 40},
    {"W-DATA", Field, "Data", 0, 542, 206, 233, 15},
    {"CmShape6", Frame, "", 0, 537, 202, 244, 41},
    {"W-PEDIDO", Field, "Pedido", 0, 435, 206, 90, 15},
    {"CmShape7", Frame, "", 0, 430, 202, 100, 41},
    {"CmShape8", Frame, "", 3, 143, 150, 186, 63},
    {"CmShape9", Frame, "", 3, 665, 150, 107, 114},
    {"W-MARGENS", Field, "Margens (mm)", 3, 672, 157, 93, 21},
    {"CmShape10", Frame, "", 3, 444, 150, 106, 64},
    {"CmShape11", Frame, "", 3, 341, 150, 91, 63},
    {"CmShape12", Frame, "", 3, 9, 224, 644, 40},
    {"CmStatic6", Field, "Falta Imprimir", 2, 23, 142, 105, 21},
    {"CmShape13", Frame, "", 2, 9, 132, 134, 151},
    {"CmShape14", Frame, "", 2, 154, 132, 620, 151},
    {"CmStatic7", Field, "Próxima Impressão", 2, 167, 144, 475, 21},
    {"CmStatic8", Field, "Tipo da Etiqueta", 2, 167, 194, 102, 21},
    {"CmStatic9", Field, "Quantidade", 2, 167, 246, 102, 21},
    {"CmShape15", Frame, "", 3, 562, 150, 91, 63},
    {"W-VELOCIDADE", Field, "Velocidade", 3, 570, 157, 76, 21},
    {"W-PRMVEL", List, "", 3, 570, 183, 76, 22},
    {"W-PRMLINGUA", List, "", 3, 15, 183, 109, 22},
    {"CmStatic11", Field, "Idioma/Language", 3, 15, 157, 109, 21},
    {"CmShape16", Frame, "", 3, 9, 150, 122, 63},
    {"CmImage2", Picture, "IMG-TOALHA", 2, 650, 144, 98, 127},
    {"W-HEADAT-EMAIL", Field, "99/99/9999", 0, 703, 224, 71, 16},
    {"W-PEDIDO1", Field, "Pedido", 0, 542, 224, 43, 16},
    {"CmStatic15", Field, "Email", 0, 665, 224, 33, 16},
};

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

bool hasKind(QWidget* control, Kind kind) {
    switch (kind) {
        case Field:
            return qobject_cast<DisplayField*>(control) != nullptr;
        case Button:
            return qobject_cast<QPushButton*>(control) != nullptr;
        case Tabs:
            return qobject_cast<PageControl*>(control) != nullptr;
        case Grid:
            return qobject_cast<QTableWidget*>(control) != nullptr;
        case List:
            return qobject_cast<DropDownList*>(control) != nullptr;
        case Check:
            return qobject_cast<QCheckBox*>(control) != nullptr;
        case Numeric:
            return qobject_cast<QSpinBox*>(control) != nullptr;
        case Picture:
            return qobject_cast<QLabel*>(control) != nullptr &&
                   qobject_cast<DisplayField*>(control) == nullptr;
        case Frame:
            return control->inherits("QFrame") && qobject_cast<QLabel*>(control) == nullptr;
    }
    return false;
}

// The caption, edit picture or picture that the control shows before start-up.
QString designCaption(QWidget* control, Kind kind) {
    if (auto* field = qobject_cast<DisplayField*>(control)) {
        return field->picture().isEmpty() ? field->text() : field->picture();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control); kind == Button || kind == Check) {
        return button->text();
    }
    if (kind == Picture) {
        return rotulano::window::pictureName(static_cast<QLabel*>(control));
    }
    return QString();
}

class FormControls : public ::testing::TestWithParam<Design> {};

TEST_P(FormControls, ExistWithTheirKindPageCaptionAndPosition) {
    const Design& d = GetParam();
    TestWindow test;
    test.window->show();  // lays out the tab strip; the start-up does not change these
    QWidget* window = test.window.get();
    auto* control = window->findChild<QWidget*>(utf8(d.name));
    ASSERT_NE(control, nullptr) << d.name;
    EXPECT_TRUE(hasKind(control, d.kind)) << d.name;

    PageControl* tabs = test.controls().tbOpera;
    if (d.page >= 1) {
        EXPECT_TRUE(tabs->widget(d.page - 1)->isAncestorOf(control)) << d.name;
        EXPECT_EQ(control->mapTo(tabs, QPoint(0, 0)), QPoint(d.x, d.y)) << d.name;
    } else {
        EXPECT_EQ(control->parentWidget(), test.window->centralWidget()) << d.name;
        EXPECT_EQ(control->pos(), QPoint(d.x, d.y)) << d.name;
    }
    EXPECT_EQ(control->size(), QSize(d.w, d.h)) << d.name;
}

TEST_P(FormControls, ShowTheirDesignCaptionBeforeStartUp) {
    const Design& d = GetParam();
    TestWindow test;
    auto* control = test.window->findChild<QWidget*>(utf8(d.name));
    ASSERT_NE(control, nullptr) << d.name;
    EXPECT_EQ(designCaption(control, d.kind), utf8(d.caption)) << d.name;
}

// Test names after the design names: "W-NOME-COMPLETO" -> "W_NOME_COMPLETO".
std::string designName(const ::testing::TestParamInfo<Design>& info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(DesignOfCP21000, FormControls, ::testing::ValuesIn(kForm), designName);

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
    QTableWidget* grid = test.controls().tabPedido;
    const char* const headings[] = {
        "REGISTRO",  "Sel",     "Item", "Quant.", "Código", "Tipo da Etiqueta",
        "Descrição", "Tamanho", "",     "",       "Preço"};
    ASSERT_EQ(grid->columnCount(), 11);
    for (int column = 0; column < 11; ++column) {
        EXPECT_EQ(grid->horizontalHeaderItem(column)->text(), utf8(headings[column])) << column;
        EXPECT_EQ(grid->isColumnHidden(column), column == 0) << column;
    }
    EXPECT_EQ(grid->rowCount(), 0);
    EXPECT_EQ(grid->toolTip(),
              utf8("Marque os itens que deseja imprimir com um clique na coluna \"Sel.\""));
}

TEST(FormWindow, ButtonsCarryTheirHintsAndBitmaps) {
    TestWindow test;
    const auto& c = test.controls();
    EXPECT_EQ(c.btImprime->toolTip(),
              utf8("Confirme se o dados estão corretos e click aqui para imprimir"));
    EXPECT_EQ(c.btSelecionar->toolTip(), utf8("Abre um arquivo de pedidos"));
    for (QPushButton* button : {c.btSaida, c.btImprime, c.btSelecionar, c.btGrava}) {
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

TEST(FormWindow, MenuHoldsArquivoWithItsFiveItemsThenSobre) {
    TestWindow test;
    const auto& c = test.controls();
    ASSERT_NE(c.cfMenu1, nullptr);
    EXPECT_EQ(c.cfMenu1->objectName(), QStringLiteral("CfMenu1"));
    const QList<QAction*> top = c.cfMenu1->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->objectName(), QStringLiteral("Arquivo"));
    EXPECT_EQ(top[0]->text(), QStringLiteral("A&rquivo"));
    EXPECT_EQ(top[0]->menu(), c.menuArquivo);
    EXPECT_EQ(c.menuArquivo->objectName(), QStringLiteral("Menu1"));
    EXPECT_EQ(top[1]->objectName(), QStringLiteral("Sobre"));
    EXPECT_EQ(top[1]->text(), QStringLiteral("Sobre"));

    const QList<QAction*> items = c.menuArquivo->actions();
    const char* const expected[][2] = {{"Imprimir", "Imprimir"},
                                       {"Visualizar", "Visualizar"},
                                       {"Abrir", "Abrir Arquivo "},
                                       {"Configuracao", "Configuração"},
                                       {"Sair", "Sair"}};
    ASSERT_EQ(items.size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(items[i]->objectName(), utf8(expected[i][0]));
        EXPECT_EQ(items[i]->text(), utf8(expected[i][1]));
    }
    EXPECT_EQ(c.menuImprimir, items[0]);
    EXPECT_EQ(c.menuVisualizar, items[1]);
    EXPECT_EQ(c.menuAbrir, items[2]);
    EXPECT_EQ(c.menuConfiguracao, items[3]);
    EXPECT_EQ(c.menuSair, items[4]);
    EXPECT_EQ(c.menuSobre, top[1]);
}

TEST(FormWindow, ControlTableListsEveryControlTheHandlersUse) {
    TestWindow test;
    const auto& c = test.controls();
    const std::pair<QObject*, const char*> listed[] = {
        {c.wNomeCompleto, "W-NOME-COMPLETO"},
        {c.wHearaz, "W-HEARAZ"},
        {c.wHeacgc, "W-HEACGC"},
        {c.wHeaped, "W-HEAPED"},
        {c.wHeadatPed, "W-HEADAT-PED"},
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
        {c.cmStatic6, "CmStatic6"},
        {c.cmStatic7, "CmStatic7"},
        {c.cmStatic8, "CmStatic8"},
        {c.cmStatic9, "CmStatic9"},
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
