#include <QPushButton>
#include <QTableWidget>

#include "orders/ItemTable.h"
#include "window/Handlers.h"
#include "window/PageControl.h"
#include "window/SelectionMarks.h"

namespace rotulano::window {

namespace {

constexpr int kPrintPage = 2;
constexpr int kConfigurationPage = 3;

// The first row, from the top, whose "Sel" cell is ticked; 0 when there is none.
int firstTickedRow(const ItemGrid& grid) {
    for (int row = 1; row <= grid.rowCount(); ++row) {
        if (isTicked(grid, row)) {
            return row;
        }
    }
    return 0;
}

// The labels of every ticked row, together.
long long tickedTotal(const ItemGrid& grid) {
    long long total = 0;
    for (int row = 1; row <= grid.rowCount(); ++row) {
        if (isTicked(grid, row)) {
            total += rowQuantity(grid, row);
        }
    }
    return total;
}

}  // namespace

// A click on the "Sel" cell ticks the row, or unticks a ticked one; with Shift held it
// ticks every row from the last "Sel" clicked to this one. A printed row and every other
// cell ignore clicks. The summary waits for the "Impressão" page.
void onGridClicked(WindowContext& context) {
    Session& session = context.session;
    ItemGrid grid(context.controls.tabPedido);
    const int row = session.clickedRow;
    if (session.clickedColumn != orders::kColSel || row < 1 || row > grid.rowCount()) {
        return;
    }
    const int last = session.lastSelRow;
    if (session.clickExtends && last >= 1 && last <= grid.rowCount()) {
        tickRange(grid, last, row);
    } else {
        toggleTick(grid, row);
    }
    session.lastSelRow = row;
}

// SUB-TESTA-SELECAO: on the "Impressão" page, what the next print job does: the first
// ticked row's label type, picture and quantity, and the labels still to print.
// Entering the "Configuração" page shows the saved settings again.
void subTestaSelecao(WindowContext& context) {
    const Controls& controls = context.controls;
    clearNextPrint(controls);
    const int page = controls.tbOpera->page();
    if (page == kConfigurationPage) {
        subLeArqprm(context, SettingsRead::WhileRunning);
    }
    if (page != kPrintPage) {
        return;
    }
    const ItemGrid grid(controls.tabPedido);
    if (const int first = firstTickedRow(grid); first > 0) {
        showNextPrint(controls, rowLabelType(controls, grid.record(first)),
                      rowQuantity(grid, first));
    }
    const long long total = tickedTotal(grid);
    showTotalToPrint(controls, total);
    controls.btImprime->setEnabled(total > 0);
    if (total > 0) {
        controls.btImprime->setFocus();
    }
}

}  // namespace rotulano::window
