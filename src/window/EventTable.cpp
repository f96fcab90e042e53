#include "window/EventTable.h"

#include <QAbstractButton>
#include <QAction>
#include <QMetaObject>
#include <QSpinBox>

#include "window/Handlers.h"
#include "window/ItemTableView.h"

namespace rotulano::window {

namespace {

using E = FormEvent;

void onLeftMarginEdited(WindowContext& context) {
    onMarginEdited(context, MarginField::Left);
}

void onSecondMarginEdited(WindowContext& context) {
    onMarginEdited(context, MarginField::Second);
}

}  // namespace

const std::vector<EventBinding>& EventTable::bindings() {
    // clang-format off
    static const std::vector<EventBinding> table = {
        {"CP21000", E::Opened, "ON-FORM-OPENED", onFormOpened},
        {"CP21000", E::Closed, "ON-FORM-CLOSED", onFormClosed},
        {"W-NOME-COMPLETO", E::TextChanged, "ON-ORDER-PATH-CHANGED", onOrderPathChanged},
        {"BT-SAIDA", E::Click, "ON-EXIT", onExit},
        {"TB-OPERA", E::Click, "SUB-TESTA-SELECAO", subTestaSelecao},
        {"TB-OPERA", E::PageChanged, "SUB-TESTA-SELECAO", subTestaSelecao},
        {"TAB-PEDIDO", E::Click, "ON-GRID-CLICKED", onGridClicked},
        {"TAB-PEDIDO", E::SpaceKey, "ON-TICK-KEY", onTickKey},
        {"BT-IMPRIME", E::Click, "ON-PRINT", onPrint},
        {"BT-VISUALIZA", E::Click, "ON-PREVIEW", onPreview},
        {"BT-REIMPRIME", E::Click, "ON-REPRINT", onReprint},
        {"BT-SELECIONAR", E::Click, "SUB-PROCURA-ARQUIVO", subProcuraArquivo},
        {"W-PRMTIPOIMP", E::SelectionChanged, "ON-PRINTER-MODEL-CHANGED", onPrinterModelChanged},
        {"W-PRMPORTAIMP", E::SelectionChanged, "ON-SETTING-CHANGED", onSettingChanged},
        {"W-PRMTEMP", E::SelectionChanged, "ON-SETTING-CHANGED", onSettingChanged},
        {"W-PRMVEL", E::SelectionChanged, "ON-SETTING-CHANGED", onSettingChanged},
        {"W-PRMLINGUA", E::SelectionChanged, "ON-LANGUAGE-CHANGED", onLanguageChanged},
        {"W-PRMPARA", E::Click, "ON-SETTING-CHANGED", onSettingChanged},
        {"BT-GRAVA", E::Click, "ON-SAVE-SETTINGS", onSaveSettings},
        {"BT-PORTAS", E::Click, "ON-PORTS", onPorts},
        {"W-PRMMARG-ESQ", E::ValueChanged, "ON-MARGIN-EDITED", onLeftMarginEdited},
        {"W-PRMMARG-ESQ", E::EditingFinished, "ON-SETTING-CHANGED", onSettingChanged},
        {"W-PRMMARG-SUP", E::ValueChanged, "ON-MARGIN-EDITED", onSecondMarginEdited},
        {"W-PRMMARG-SUP", E::EditingFinished, "ON-SETTING-CHANGED", onSettingChanged},
        {"Imprimir", E::Click, "ON-MENU-PRINT", onMenuPrint},
        {"Visualizar", E::Click, "ON-PREVIEW", onPreview},
        {"Abrir", E::Click, "SUB-PROCURA-ARQUIVO", subProcuraArquivo},
        {"SelecionarTodos", E::Click, "ON-SELECT-ALL", onSelectAll},
        {"LimparSelecao", E::Click, "ON-CLEAR-SELECTION", onClearSelection},
        {"Configuracao", E::Click, "ON-MENU-CONFIGURE", onMenuConfigure},
        {"Historico", E::Click, "ON-HISTORY", onHistory},
        {"Sair", E::Click, "ON-EXIT", onExit},
        {"Sobre", E::Click, "ON-MENU-ABOUT", onMenuAbout},
        {"Reimprimir", E::Click, "ON-REPRINT", onReprint},
    };
    // clang-format on
    return table;
}

QString EventTable::eventName(FormEvent event) {
    switch (event) {
        case E::Opened:
            return QStringLiteral("opened");
        case E::Closed:
            return QStringLiteral("closed");
        case E::TextChanged:
            return QStringLiteral("text changed");
        case E::Click:
            return QStringLiteral("click");
        case E::PageChanged:
            return QStringLiteral("page changed");
        case E::SelectionChanged:
            return QStringLiteral("selection changed");
        case E::ValueChanged:
            return QStringLiteral("value changed");
        case E::EditingFinished:
            return QStringLiteral("editing finished");
        case E::SpaceKey:
            return QStringLiteral("space key");
    }
    return QString();
}

EventTable::EventTable(WindowContext& context) : context_(context) {}

void EventTable::connectControls() {
    QWidget* window = context_.controls.window;
    for (const EventBinding& binding : bindings()) {
        if (binding.event == E::Opened || binding.event == E::Closed) {
            continue;  // raised by the window itself
        }
        QObject* control = window->findChild<QObject*>(QString::fromUtf8(binding.control));
        if (control != nullptr) {
            connectControl(control, binding);
        }
    }
}

void EventTable::connectControl(QObject* control, const EventBinding& binding) {
    const QString name = QString::fromUtf8(binding.control);
    const FormEvent event = binding.event;
    auto run = [this, name, event] { raise(name, event); };
    constexpr auto direct = Qt::DirectConnection;
    QWidget* window = context_.controls.window;

    if (auto* field = qobject_cast<DisplayField*>(control); field && event == E::TextChanged) {
        QObject::connect(field, &DisplayField::textChanged, window, run, direct);
    } else if (auto* list = qobject_cast<DropDownList*>(control);
               list && event == E::SelectionChanged) {
        QObject::connect(list, &DropDownList::selectionChanged, window, run, direct);
    } else if (auto* pages = qobject_cast<PageControl*>(control)) {
        if (event == E::Click) {
            QObject::connect(pages, &PageControl::clicked, window, run, direct);
        } else {
            QObject::connect(pages, &QTabWidget::currentChanged, window, run, direct);
        }
    } else if (auto* grid = qobject_cast<ItemTableView*>(control)) {
        if (event == E::SpaceKey) {
            QObject::connect(grid, &ItemTableView::spacePressed, window, run, direct);
            return;
        }
        QObject::connect(
            grid, &ItemTableView::cellClicked, window,
            [this, name, event](int row, int column, bool extendsRange) {
                raise(name, event, CellClick{row, column, extendsRange});
            },
            direct);
    } else if (auto* numeric = qobject_cast<NumericField*>(control)) {
        if (event == E::ValueChanged) {
            QObject::connect(numeric, &QSpinBox::valueChanged, window, run, direct);
        } else {
            QObject::connect(numeric, &NumericField::valueEdited, window, run, direct);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QObject::connect(button, &QAbstractButton::clicked, window, run, direct);
    } else if (auto* action = qobject_cast<QAction*>(control)) {
        QObject::connect(action, &QAction::triggered, window, run, direct);
    }
}

bool EventTable::raise(const QString& control, FormEvent event, const CellClick& cell) {
    for (const EventBinding& binding : bindings()) {
        if (binding.event == event && control == QString::fromUtf8(binding.control)) {
            if (observer_) {
                observer_(binding);
            }
            ++depth_;
            run(binding, cell);
            --depth_;
            if (event != E::Closed) {
                closeIfRequested();
            }
            return true;
        }
    }
    return false;
}

void EventTable::run(const EventBinding& binding, const CellClick& cell) {
    if (const auto* handler = std::get_if<ContextHandler>(&binding.handler)) {
        (*handler)(context_);
    } else {
        std::get<CellHandler>(binding.handler)(context_, cell.row, cell.column, cell.extendsRange);
    }
}

void EventTable::closeIfRequested() {
    if (depth_ > 0 || !context_.session.closeRequested || closeScheduled_) {
        return;
    }
    closeScheduled_ = true;
    QWidget* window = context_.controls.window;
    QMetaObject::invokeMethod(
        window, [window] { window->close(); }, Qt::QueuedConnection);
}

}  // namespace rotulano::window
