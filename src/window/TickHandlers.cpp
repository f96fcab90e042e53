#include <QTableWidget>

#include "orders/ItemTable.h"
#include "window/Handlers.h"
#include "window/SelectionMarks.h"

// Ticking more than one row at a time: Space on the current row, every row at once, and a
// range of rows by a Shift-click on "Sel". A printed row ("Ø") never changes.
namespace rotulano::window {

namespace {

void tickEveryRow(WindowContext& context, bool ticked) {
    ItemGrid grid(context.controls.tabPedido);
    for (int row = 1; row <= grid.rowCount(); ++row) {
        setTicked(grid, row, ticked);
    }
}

}  // namespace

void onTickKey(WindowContext& context) {
    QTableWidget* table = context.controls.tabPedido;
    ItemGrid grid(table);
    const int row = table->currentRow() + 1;
    if (row >= 1 && row <= grid.rowCount()) {
        toggleTick(grid, row);
        context.session.lastSelRow = row;
    }
}

void onSelectAll(WindowContext& context) {
    tickEveryRow(context, true);
}

void onClearSelection(WindowContext& context) {
    tickEveryRow(context, false);
}

}  // namespace rotulano::window
