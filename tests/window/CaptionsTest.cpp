#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

#include "support/WindowFakes.h"

namespace {

using rotulano::test::TestWindow;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

enum Where { Menu, MenuItem, Page, Control, GridHeader, GridHint };

struct CaptionRow {
    Where where;
    const char* name;
    int number;
    const char* portuguese;
    const char* english;
};

const CaptionRow kCaptions[] = {
    {Menu, "Menu1", 0, "&Arquivo", "&File"},
    {MenuItem, "Sobre", 0, "S&obre", "&About"},
    {MenuItem, "Abrir", 0, "Abrir", "Open"},
    {MenuItem, "SelecionarTodos", 0, "Selecionar todos", "Select all"},
    {MenuItem, "LimparSelecao", 0, "Limpar seleção", "Clear selection"},
    {MenuItem, "Imprimir", 0, "Imprimir", "Print"},
    {MenuItem, "Visualizar", 0, "Visualizar", "Preview"},
    {MenuItem, "Configuracao", 0, "Configuração", "Configure"},
    {MenuItem, "Sair", 0, "Sair", "Exit"},
    {Page, "", 1, " &Seleção", " &Select"},
    {Page, "", 2, " &Impressão", " &Print"},
    {Page, "", 3, " &Configuração", " &Configure"},
    {Control, "BT-SAIDA", 0, "Sair", "Exit"},
    {Control, "BT-GRAVA", 0, "Gravar", "Save"},
    {Control, "BT-IMPRIME", 0, "Imprimir", "Print"},
    {Control, "BT-VISUALIZA", 0, "Visualizar", "Preview"},
    {Control, "BT-REIMPRIME", 0, "Reimprimir…", "Reprint…"},
    {MenuItem, "Reimprimir", 0, "Reimprimir…", "Reprint…"},
    {Control, "BT-SELECIONAR", 0, "Abrir", "Open"},
    {Control, "W-NOMARQ", 0, "Arquivo Selecionado", "Selected File"},
    {Control, "W-NOMFOR", 0, "Nome do Fornecedor", "Supplier Name"},
    {Control, "W-PEDIDO", 0, "Pedido", "Order"},
    {Control, "W-PEDIDO1", 0, "Pedido", "Order"},
    {Control, "W-DATA", 0, "Data", "Date"},
    {Control, "W-PRMPARA", 0, "Pausa na impressão após cada item ser impresso",
     "Pause job after each item to be printed"},
    {Control, "W-PADRAO", 0, "Padrão de Formatação", "Standard printer"},
    {Control, "W-TEMPERATURA", 0, "Temperatura", "Darkness"},
    {Control, "W-PORTA", 0, "Porta", "Port"},
    {Control, "W-VELOCIDADE", 0, "Velocidade", "Speed"},
    {Control, "W-MARGENS", 0, "Margens", "Margins"},
    {Control, "W-MARGEM1", 0, "Esquerda", "Left"},
    {GridHeader, "", 8, "Tamanho", "Size"},
    {GridHeader, "", 5, "Código", "Code"},
    {GridHeader, "", 6, "Tipo", "Type"},
    {GridHeader, "", 7, "Descrição", "Specification"},
    {GridHeader, "", 11, "Preço", "Price"},
    {Control, "CmStatic6", 0, "Falta imprimir", "Remains to print"},
    {Control, "CmStatic7", 0, "Próxima impressão", "Next Job"},
    {Control, "CmStatic8", 0, "Tipo da etiqueta", "Label type"},
    {Control, "CmStatic9", 0, "Quantidade", "Quantity"},
    {GridHint, "", 0, "Selecione os itens que deseja imprimir com um clique na coluna \"Sel.\"",
     "Select the items that you want to print with a click in the column \"Sel\""},
    // not translated
    {Control, "CmStatic11", 0, "Idioma/Language", "Idioma/Language"},
    {Control, "W-HEACGC15", 0, "C.N.P.J", "C.N.P.J"},
    {Control, "CmStatic15", 0, "Email", "Email"},
    {GridHeader, "", 2, "Sel", "Sel"},
    {GridHeader, "", 3, "Item", "Item"},
    {GridHeader, "", 4, "Quant.", "Quant."},
};

QString captionOf(TestWindow& test, const CaptionRow& row) {
    QWidget* window = test.window.get();
    switch (row.where) {
        case Menu:
            return window->findChild<QMenu*>(utf8(row.name))->title();
        case MenuItem:
            return window->findChild<QAction*>(utf8(row.name))->text();
        case Page:
            return test.controls().tbOpera->tabText(row.number - 1);
        case Control: {
            QObject* control = window->findChild<QObject*>(utf8(row.name));
            if (auto* field = qobject_cast<QLabel*>(control)) {
                return field->text();
            }
            return qobject_cast<QAbstractButton*>(control)->text();
        }
        case GridHeader:
            return test.controls()
                .tabPedido->model()
                ->headerData(row.number - 1, Qt::Horizontal)
                .toString();
        case GridHint:
            return test.controls().tabPedido->toolTip();
    }
    return QString();
}

void chooseLanguage(TestWindow& test, int position) {
    test.controls().wPrmlingua->setCurrentIndex(position - 1);
    emit test.controls().wPrmlingua->activated(position - 1);
}

class Captions : public ::testing::TestWithParam<CaptionRow> {};

TEST_P(Captions, FollowTheChosenLanguage) {
    const CaptionRow& row = GetParam();
    TestWindow test;
    test.open();
    EXPECT_EQ(captionOf(test, row), utf8(row.portuguese)) << "after start-up";
    chooseLanguage(test, 2);
    EXPECT_EQ(captionOf(test, row), utf8(row.english)) << "English";
    chooseLanguage(test, 1);
    EXPECT_EQ(captionOf(test, row), utf8(row.portuguese)) << "Portuguese again";
}

std::string rowName(const ::testing::TestParamInfo<CaptionRow>& info) {
    std::string name = std::to_string(info.index) + "_" + info.param.name;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(CaptionTable, Captions, ::testing::ValuesIn(kCaptions), rowName);

// Choosing the language already saved applies its captions again and leaves nothing to
// save; another language does.
TEST(LanguageChange, TheLanguageAlreadyChosenLeavesSaveOff) {
    TestWindow test;
    test.open();
    test.controls().btGrava->setText(QStringLiteral("?"));
    chooseLanguage(test, 1);
    EXPECT_FALSE(test.controls().btGrava->isEnabled());
    EXPECT_EQ(test.controls().btGrava->text(), QStringLiteral("Gravar"));
    chooseLanguage(test, 2);
    EXPECT_TRUE(test.controls().btGrava->isEnabled());
}

TEST(LanguageChange, NoSelectionMeansEnglish) {
    TestWindow test;
    test.open();
    test.controls().wPrmlingua->setSelection(0);
    EXPECT_EQ(test.controls().btSaida->text(), QStringLiteral("Exit"));
}

TEST(LanguageChange, LeavesTheWindowCaptionAndTheMessagesAlone) {
    TestWindow test;
    test.open();
    chooseLanguage(test, 2);
    EXPECT_EQ(test.window->windowTitle(), QStringLiteral("Rotulano - 02.05.00"));
}

// The second margin is the bottom one for the Datamax and Argox models and the top one
// for the Zebra models, whether the model or the language is chosen last.
TEST(SecondMarginCaption, FollowsTheModelAndTheLanguage) {
    TestWindow test;
    test.open();
    for (int language : {1, 2}) {
        for (int model = 1; model <= 6; ++model) {
            SCOPED_TRACE(std::to_string(model) + " in language " + std::to_string(language));
            const char* const captions[2][2] = {{"Inferior", "Superior"}, {"Bottom", "Top"}};
            const QString expected = utf8(captions[language - 1][model >= 5 ? 1 : 0]);
            chooseLanguage(test, language);
            test.controls().wPrmtipoimp->setCurrentIndex(model - 1);
            emit test.controls().wPrmtipoimp->activated(model - 1);
            EXPECT_EQ(test.controls().wMargem2->text(), expected) << "model chosen";
            test.controls().wMargem2->setText(QStringLiteral("?"));
            chooseLanguage(test, language);
            EXPECT_EQ(test.controls().wMargem2->text(), expected) << "language chosen";
        }
    }
}

}  // namespace
