#include <QPushButton>

#include "orders/ItemTable.h"
#include "window/Handlers.h"
#include "window/PageControl.h"
#include "window/SelectionSummary.h"

namespace rotulano::window {

namespace {

constexpr int kPrintPage = 2;
constexpr int kConfigurationPage = 3;

}  // namespace

// A click on the "Sel" cell ticks the row, or unticks a ticked one; with Shift held it
// ticks every row from the last "Sel" clicked to this one. A printed row and every other
// cell ignore clicks. The summary waits for the "Impressão" page.
void onGridClicked(WindowContext& context, int row, int column, bool extendsRange) {
    Session& session = context.session;
    ItemTableModel& items = *context.controls.tabPedido->items();
    if (column != orders::kColSel || row < 1 || row > items.itemCount()) {
        return;
    }
    const int last = session.lastSelRow;
    if (extendsRange && last >= 1 && last <= items.itemCount()) {
        items.tickRange(last, row);
    } else {
        items.toggleTick(row);
    }
    session.lastSelRow = row;
}

// SUB-TESTA-SELECAO: on the "Impressão" page, what the next print job does: the first
// ticked row's label type, picture and quantity, and the labels still to print.
// Entering the "Configuração" page shows the saved settings again; leaving it with
// choices not saved asks first.
void subTestaSelecao(WindowContext& context) {
    const Controls& controls = context.controls;
    Session& session = context.session;
    clearNextPrint(controls);
    const int page = controls.tbOpera->page();
    const bool leaving = session.pageShown == kConfigurationPage && page != kConfigurationPage;
    if (leaving && !leaveUnsavedSettings(context)) {
        controls.tbOpera->setPage(kConfigurationPage);  // the operator stays
        return;
    }
    // Entering the page reads the file again, unless choices made on it wait for a save.
    if (page == kConfigurationPage &&
        (session.pageShown != kConfigurationPage || !shownSettingsDiffer(context))) {
        subLeArqprm(context, SettingsRead::WhileRunning);
    }
    session.pageShown = page;
    if (page != kPrintPage) {
        return;
    }
    const std::vector<printing::JobRow> rows = controls.tabPedido->items()->tickedRows();
    if (!rows.empty()) {
        showNextPrint(controls, rowLabelType(controls, rows.front().line), rows.front().quantity);
    }
    const long long total = labelsOf(rows);
    showTotalToPrint(controls, total);
    controls.btImprime->setEnabled(total > 0);
    if (total > 0) {
        controls.btImprime->setFocus();
    }
}

}  // namespace rotulano::window
