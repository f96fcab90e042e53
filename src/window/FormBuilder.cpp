#include "window/FormBuilder.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QIcon>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "orders/ItemTable.h"
#include "window/FormAnchors.h"
#include "window/FormDesign.h"
#include "window/FormLayout.h"
#include "window/ItemTableView.h"
#include "window/JournalLine.h"
#include "window/NumericField.h"
#include "window/PagePlacement.h"
#include "window/Pictures.h"
#include "window/SelectionQuantityDelegate.h"

namespace rotulano::window {

namespace {

constexpr int kClientWidth = 800;
constexpr int kClientHeight = 500;
constexpr int kButtonIconSize = 20;
const QRect kReprintDesign(198, 332, 90, 28);  // page 2, right of BT-VISUALIZA

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

QWidget* makeButton(const ControlDesign& design) {
    auto* button = new QPushButton(utf8(design.caption));
    button->setIcon(QIcon(loadPicture(utf8(design.picture), {kButtonIconSize, kButtonIconSize})));
    button->setToolTip(utf8(design.hint));
    return button;
}

QWidget* makeGrid(const ControlDesign& design) {
    auto* grid = new ItemTableView;
    grid->setColumnHidden(orders::kColRecord - 1, true);
    // The operator may change how many labels an item takes; no other cell is edited.
    grid->setItemDelegateForColumn(orders::kColQuantity - 1, new SelectionQuantityDelegate(grid));
    grid->setToolTip(utf8(design.hint));
    return grid;
}

QWidget* makeFrame() {
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::Box);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

QWidget* makeControl(const ControlDesign& design) {
    switch (design.kind) {
        case ControlKind::DisplayField: {
            auto* field = new DisplayField(utf8(design.picture));
            field->setText(utf8(design.caption));
            return field;
        }
        case ControlKind::Button:
            return makeButton(design);
        case ControlKind::Grid:
            return makeGrid(design);
        case ControlKind::List:
            return new DropDownList;
        case ControlKind::CheckBox:
            return new QCheckBox(utf8(design.caption));
        case ControlKind::Numeric:
            return new NumericField;
        case ControlKind::Picture: {
            auto* picture = new QLabel;
            picture->setAlignment(Qt::AlignCenter);
            return picture;
        }
        case ControlKind::Frame:
        case ControlKind::TabStrip:
            break;
    }
    return makeFrame();
}

PageControl* makeTabStrip(FormLayout* layout, QWidget* client, const ControlDesign& design) {
    auto* tabStrip = new PageControl(client);
    tabStrip->setObjectName(utf8(design.name));
    layout->addControl(tabStrip, design.rect, anchorOf(design.name));
    for (int page = 1; page <= 3; ++page) {
        auto* content = new QWidget;
        content->setObjectName(utf8(design.name) + QStringLiteral("-%1").arg(page));
        tabStrip->addTab(content, utf8(kPageCaptions[page - 1]));
    }
    return tabStrip;
}

struct MenuItem {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
};

// Sair's key: the platform's own, or Ctrl+Q where it has none (Windows).
QKeySequence quitKey() {
    const QKeySequence platform(QKeySequence::Quit);
    return platform.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Q) : platform;
}

void buildMenu(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    bar->setObjectName(QStringLiteral("CfMenu1"));
    // Alt and the underlined letter open the menu; the captions' table keeps a mnemonic in
    // each language.
    QMenu* menu1 = bar->addMenu(QStringLiteral("&Arquivo"));
    menu1->setObjectName(QStringLiteral("Menu1"));
    menu1->menuAction()->setObjectName(QStringLiteral("Arquivo"));
    const MenuItem items[] = {
        {"Imprimir", "Imprimir", QKeySequence::Print},
        {"Visualizar", "Visualizar", {}},
        {"Abrir", "Abrir Arquivo ", QKeySequence::Open},
        {"SelecionarTodos", "Selecionar todos", QKeySequence::SelectAll},
        {"LimparSelecao", "Limpar seleção", {Qt::CTRL | Qt::SHIFT | Qt::Key_A}},
        {"Configuracao", "Configuração", {}},
        {"Historico", "&Histórico", {}},
        {"Sair", "Sair", quitKey()}};
    for (const MenuItem& item : items) {
        QAction* action = menu1->addAction(utf8(item.caption));
        action->setObjectName(utf8(item.name));
        action->setShortcut(item.shortcut);
    }
    bar->addAction(QStringLiteral("S&obre"))->setObjectName(QStringLiteral("Sobre"));
}

// The print journal's line over the grid: hidden until the journal knows the loaded order
// (see showJournalLine).
void buildJournalLine(PagePlacement* placement, PageControl* tabStrip) {
    auto* line = new QLabel(tabStrip->widget(0));
    line->setObjectName(QStringLiteral("LBL-DIARIO"));
    line->setTextFormat(Qt::PlainText);
    line->hide();
    placement->place(line, journalLineDesign(1), anchorOf("LBL-DIARIO"));
}

// "Reimprimir…": a button on the Impressão page beside "Visualiza", and the grid's context
// menu (a right click makes its row the current one).
void buildReprint(PagePlacement* placement, PageControl* tabStrip) {
    auto* button = new QPushButton(utf8("Reimprimir…"), tabStrip->widget(1));
    button->setObjectName(QStringLiteral("BT-REIMPRIME"));
    button->setIcon(
        QIcon(loadPicture(QStringLiteral("IMG-PRINT"), {kButtonIconSize, kButtonIconSize})));
    button->setToolTip(utf8("Imprime de novo etiquetas da linha já impressa escolhida na grade"));
    placement->place(button, kReprintDesign, anchorOf("BT-REIMPRIME"));
    auto* grid = tabStrip->findChild<ItemTableView*>(QStringLiteral("TAB-PEDIDO"));
    auto* action = new QAction(utf8("Reimprimir…"), grid);
    action->setObjectName(QStringLiteral("Reimprimir"));
    grid->addAction(action);
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void buildControls(FormLayout* layout, QWidget* client, PageControl* tabStrip,
                   const QRect& tabDesign) {
    auto* placement = new PagePlacement(tabStrip, tabDesign.size());
    std::vector<QWidget*> headerGroup;
    for (const ControlDesign& design : formDesign()) {
        if (design.kind == ControlKind::TabStrip) {
            continue;
        }
        QWidget* control = makeControl(design);
        control->setObjectName(utf8(design.name));
        if (design.page >= 1) {
            control->setParent(tabStrip->widget(design.page - 1));
            placement->place(control, design.rect, anchorOf(design.name));
        } else {
            control->setParent(client);
            layout->addControl(control, design.rect, anchorOf(design.name));
        }
        if (design.kind == ControlKind::Picture) {
            showPicture(static_cast<QLabel*>(control), utf8(design.picture));
        }
        if (design.page == kHeaderGroup) {
            headerGroup.push_back(control);
        }
    }
    // The header group lies inside the tab strip's rectangle and shows above the pages.
    for (QWidget* control : headerGroup) {
        control->raise();
    }
    buildJournalLine(placement, tabStrip);
    buildReprint(placement, tabStrip);
}

template <typename T>
T* named(QWidget* root, const char* name) {
    return root->findChild<T*>(QString::fromUtf8(name));
}

void listHeaderControls(QWidget* w, Controls& c) {
    c.wNomeCompleto = named<DisplayField>(w, "W-NOME-COMPLETO");
    c.supplierNameField = named<DisplayField>(w, "W-HEARAZ");
    c.supplierCnpjField = named<DisplayField>(w, "W-HEACGC");
    c.orderNumberField = named<DisplayField>(w, "W-HEAPED");
    c.orderDateField = named<DisplayField>(w, "W-HEADAT-PED");
    c.wHeadatEmail = named<DisplayField>(w, "W-HEADAT-EMAIL");
    c.wNomarq = named<DisplayField>(w, "W-NOMARQ");
    c.wNomfor = named<DisplayField>(w, "W-NOMFOR");
    c.wPedido = named<DisplayField>(w, "W-PEDIDO");
    c.wPedido1 = named<DisplayField>(w, "W-PEDIDO1");
    c.wData = named<DisplayField>(w, "W-DATA");
    c.cmImage1 = named<QLabel>(w, "CmImage1");
    c.btSaida = named<QPushButton>(w, "BT-SAIDA");
    c.tbOpera = named<PageControl>(w, "TB-OPERA");
    c.tabPedido = named<ItemTableView>(w, "TAB-PEDIDO");
    c.btSelecionar = named<QPushButton>(w, "BT-SELECIONAR");
    c.journalLine = named<QLabel>(w, "LBL-DIARIO");
}

void listPrintControls(QWidget* w, Controls& c) {
    c.wDetqtd = named<DisplayField>(w, "W-DETQTD");
    c.wEtiqueta = named<DisplayField>(w, "W-ETIQUETA");
    c.wQtdimp = named<DisplayField>(w, "W-QTDIMP");
    c.cmImage2 = named<QLabel>(w, "CmImage2");
    c.btImprime = named<QPushButton>(w, "BT-IMPRIME");
    c.btVisualiza = named<QPushButton>(w, "BT-VISUALIZA");
    c.btReimprime = named<QPushButton>(w, "BT-REIMPRIME");
    c.remainingCaption = named<DisplayField>(w, "CmStatic6");
    c.nextJobCaption = named<DisplayField>(w, "CmStatic7");
    c.labelTypeCaption = named<DisplayField>(w, "CmStatic8");
    c.quantityCaption = named<DisplayField>(w, "CmStatic9");
}

void listConfigurationControls(QWidget* w, Controls& c) {
    c.wPrmtipoimp = named<DropDownList>(w, "W-PRMTIPOIMP");
    c.wPrmportaimp = named<DropDownList>(w, "W-PRMPORTAIMP");
    c.wPrmtemp = named<DropDownList>(w, "W-PRMTEMP");
    c.wPrmvel = named<DropDownList>(w, "W-PRMVEL");
    c.wPrmlingua = named<DropDownList>(w, "W-PRMLINGUA");
    c.wPrmpara = named<QCheckBox>(w, "W-PRMPARA");
    c.wPrmmargEsq = named<NumericField>(w, "W-PRMMARG-ESQ");
    c.wPrmmargSup = named<NumericField>(w, "W-PRMMARG-SUP");
    c.btGrava = named<QPushButton>(w, "BT-GRAVA");
    c.btPortas = named<QPushButton>(w, "BT-PORTAS");
    c.wPadrao = named<DisplayField>(w, "W-PADRAO");
    c.wPorta = named<DisplayField>(w, "W-PORTA");
    c.wTemperatura = named<DisplayField>(w, "W-TEMPERATURA");
    c.wVelocidade = named<DisplayField>(w, "W-VELOCIDADE");
    c.wMargens = named<DisplayField>(w, "W-MARGENS");
    c.wMargem1 = named<DisplayField>(w, "W-MARGEM1");
    c.wMargem2 = named<DisplayField>(w, "W-MARGEM2");
}

void listMenu(QWidget* w, Controls& c) {
    c.cfMenu1 = named<QMenuBar>(w, "CfMenu1");
    c.menuArquivo = named<QMenu>(w, "Menu1");
    c.menuImprimir = named<QAction>(w, "Imprimir");
    c.menuVisualizar = named<QAction>(w, "Visualizar");
    c.menuAbrir = named<QAction>(w, "Abrir");
    c.menuSelecionarTodos = named<QAction>(w, "SelecionarTodos");
    c.menuLimparSelecao = named<QAction>(w, "LimparSelecao");
    c.menuConfiguracao = named<QAction>(w, "Configuracao");
    c.menuSair = named<QAction>(w, "Sair");
    c.menuSobre = named<QAction>(w, "Sobre");
    c.gridReprint = named<QAction>(w, "Reimprimir");
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the pages wherever the focus is in the window: a
// control of a page would otherwise keep the keys, or pass them to the next control.
void addPageKeys(QMainWindow* window, PageControl* pages) {
    struct PageKey {
        const char* name;
        QKeySequence::StandardKey keys;
        int step;
    };
    for (const PageKey& key : {PageKey{"PaginaSeguinte", QKeySequence::NextChild, 1},
                               PageKey{"PaginaAnterior", QKeySequence::PreviousChild, -1}}) {
        auto* action = new QAction(window);
        action->setObjectName(utf8(key.name));
        action->setShortcuts(key.keys);
        window->addAction(action);
        QObject::connect(action, &QAction::triggered, pages, [pages, step = key.step] {
            const int count = pages->count();
            pages->setPage((pages->page() - 1 + step + count) % count + 1);
        });
    }
}

// Tab walks each page's controls in reading order: the choices of the Configuração page
// as the operator fills them in, then its buttons.
void setTabOrder(const Controls& c) {
    const std::vector<QWidget*> order = {
        c.tabPedido,    c.btSelecionar, c.btImprime, c.btVisualiza, c.btReimprime, c.wPrmtipoimp,
        c.wPrmportaimp, c.wPrmtemp,     c.wPrmvel,   c.wPrmlingua,  c.wPrmpara,    c.wPrmmargEsq,
        c.wPrmmargSup,  c.btGrava,      c.btPortas,  c.btSaida};
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

}  // namespace

Controls buildForm(QMainWindow* window) {
    initWindowResources();
    window->setObjectName(QStringLiteral("CP21000"));
    window->setWindowTitle(QStringLiteral("Rotulano - " ROTULANO_WINDOW_VERSION));
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    window->setFont(font);

    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("CP21000-client"));
    // The form's design size is the client area's least size; a larger window gives the
    // extra room to the grid and the header fields.
    auto* layout = new FormLayout(QSize(kClientWidth, kClientHeight), client);
    client->resize(kClientWidth, kClientHeight);
    window->setCentralWidget(client);
    buildMenu(window);

    const auto tabDesign =
        std::find_if(formDesign().begin(), formDesign().end(),
                     [](const ControlDesign& d) { return d.kind == ControlKind::TabStrip; });
    buildControls(layout, client, makeTabStrip(layout, client, *tabDesign), tabDesign->rect);

    Controls controls;
    controls.window = window;
    listHeaderControls(window, controls);
    listPrintControls(window, controls);
    listConfigurationControls(window, controls);
    listMenu(window, controls);
    setTabOrder(controls);
    addPageKeys(window, controls.tbOpera);
    controls.tabPedido->fitToContent();
    window->resize(window->sizeHint());
    return controls;
}

}  // namespace rotulano::window
