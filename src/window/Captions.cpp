#include "window/Captions.h"

#include "window/QtTranslation.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QPushButton>

#include "core/PrinterModel.h"
#include "window/Handlers.h"

namespace rotulano::window {

namespace {

// What a row of the caption table writes to.
enum class Target { Menu, MenuItem, Page, Control, SecondMargin, GridHeader, GridHint };

struct Caption {
    Target target;
    const char* name;  // control or menu item; unused for pages and grid headers
    int number;        // page or grid column, 1-based
    const char* portuguese;
    const char* english;
};

// CaptionTable, in the order in which a language change applies it.
const Caption kCaptionTable[] = {
    {Target::Menu, "Menu1", 0, "&Arquivo", "&File"},
    {Target::MenuItem, "Sobre", 0, "S&obre", "&About"},
    {Target::MenuItem, "Abrir", 0, "Abrir", "Open"},
    {Target::MenuItem, "SelecionarTodos", 0, "Selecionar todos", "Select all"},
    {Target::MenuItem, "LimparSelecao", 0, "Limpar seleção", "Clear selection"},
    {Target::MenuItem, "Imprimir", 0, "Imprimir", "Print"},
    {Target::MenuItem, "Visualizar", 0, "Visualizar", "Preview"},
    {Target::MenuItem, "Configuracao", 0, "Configuração", "Configure"},
    {Target::MenuItem, "Historico", 0, "&Histórico", "&History"},
    {Target::MenuItem, "Sair", 0, "Sair", "Exit"},
    {Target::Page, "", 1, " &Seleção", " &Select"},
    {Target::Page, "", 2, " &Impressão", " &Print"},
    {Target::Page, "", 3, " &Configuração", " &Configure"},
    {Target::Control, "BT-SAIDA", 0, "Sair", "Exit"},
    {Target::Control, "BT-GRAVA", 0, "Gravar", "Save"},
    {Target::Control, "BT-PORTAS", 0, "Portas", "Ports"},
    {Target::Control, "BT-IMPRIME", 0, "Imprimir", "Print"},
    {Target::Control, "BT-VISUALIZA", 0, "Visualizar", "Preview"},
    {Target::Control, "BT-REIMPRIME", 0, "Reimprimir…", "Reprint…"},
    {Target::MenuItem, "Reimprimir", 0, "Reimprimir…", "Reprint…"},
    {Target::Control, "BT-SELECIONAR", 0, "Abrir", "Open"},
    {Target::Control, "W-NOMARQ", 0, "Arquivo Selecionado", "Selected File"},
    {Target::Control, "W-NOMFOR", 0, "Nome do Fornecedor", "Supplier Name"},
    {Target::Control, "W-PEDIDO", 0, "Pedido", "Order"},
    {Target::Control, "W-PEDIDO1", 0, "Pedido", "Order"},
    {Target::Control, "W-DATA", 0, "Data", "Date"},
    {Target::Control, "W-PRMPARA", 0, "Pausa na impressão após cada item ser impresso",
     "Pause job after each item to be printed"},
    {Target::Control, "W-PADRAO", 0, "Padrão de Formatação", "Standard printer"},
    {Target::Control, "W-TEMPERATURA", 0, "Temperatura", "Darkness"},
    {Target::Control, "W-PORTA", 0, "Porta", "Port"},
    {Target::Control, "W-VELOCIDADE", 0, "Velocidade", "Speed"},
    {Target::Control, "W-MARGENS", 0, "Margens", "Margins"},
    {Target::Control, "W-MARGEM1", 0, "Esquerda", "Left"},
    {Target::SecondMargin, "W-MARGEM2", 0, "", ""},
    {Target::GridHeader, "", 8, "Tamanho", "Size"},
    {Target::GridHeader, "", 5, "Código", "Code"},
    {Target::GridHeader, "", 6, "Tipo", "Type"},
    {Target::GridHeader, "", 7, "Descrição", "Specification"},
    {Target::GridHeader, "", 11, "Preço", "Price"},
    {Target::Control, "CmStatic6", 0, "Falta imprimir", "Remains to print"},
    {Target::Control, "CmStatic7", 0, "Próxima impressão", "Next Job"},
    {Target::Control, "CmStatic8", 0, "Tipo da etiqueta", "Label type"},
    {Target::Control, "CmStatic9", 0, "Quantidade", "Quantity"},
    {Target::GridHint, "", 0,
     "Selecione os itens que deseja imprimir com um clique na coluna \"Sel.\"",
     "Select the items that you want to print with a click in the column \"Sel\""},
};

void setControlCaption(QWidget* window, const char* name, const QString& text) {
    QObject* control = window->findChild<QObject*>(QString::fromUtf8(name));
    if (auto* field = qobject_cast<DisplayField*>(control)) {
        field->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    }
}

void applyCaption(WindowContext& context, const Caption& row, const QString& text) {
    Controls& controls = context.controls;
    QWidget* window = controls.window;
    switch (row.target) {
        case Target::Menu:
            controls.menuArquivo->setTitle(text);
            break;
        case Target::MenuItem:
            if (auto* item = window->findChild<QAction*>(QString::fromUtf8(row.name))) {
                item->setText(text);
            }
            break;
        case Target::Page:
            controls.tbOpera->setTabText(row.number - 1, text);
            break;
        case Target::Control:
            setControlCaption(window, row.name, text);
            break;
        case Target::SecondMargin:
            applySecondMarginCaption(context);
            break;
        case Target::GridHeader:
            controls.tabPedido->items()->setHeaderData(row.number - 1, Qt::Horizontal, text);
            break;
        case Target::GridHint:
            controls.tabPedido->setToolTip(text);
            break;
    }
}

}  // namespace

bool portugueseSelected(const Controls& controls) {
    return controls.wPrmlingua->selection() == 1;
}

void applySecondMarginCaption(WindowContext& context) {
    const bool dpl = !core::PrinterModel(context.controls.wPrmtipoimp->selection()).printsZpl();
    const bool portuguese = portugueseSelected(context.controls);
    const char* caption =
        dpl ? (portuguese ? "Inferior" : "Bottom") : (portuguese ? "Superior" : "Top");
    context.controls.wMargem2->setText(QString::fromUtf8(caption));
}

// One language at a time: the captions, the grid's label types and Qt's own texts (the
// file chooser, the boxes' buttons) follow the language shown, saved or not.
void onLanguageChanged(WindowContext& context) {
    updateSaveButton(context);
    const bool portuguese = portugueseSelected(context.controls);
    for (const Caption& row : kCaptionTable) {
        applyCaption(context, row, QString::fromUtf8(portuguese ? row.portuguese : row.english));
    }
    const int language = context.controls.wPrmlingua->selection();
    context.controls.tabPedido->items()->showLabelTypesIn(language);
    if (context.qtTexts != nullptr) {
        context.qtTexts->follow(language);
    }
}

}  // namespace rotulano::window
