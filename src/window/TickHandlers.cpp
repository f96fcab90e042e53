#include "window/Handlers.h"

// Ticking more than one row at a time: Space on the current row, every row at once, and a
// range of rows by a Shift-click on "Sel". A printed row ("Ø") never changes.
namespace rotulano::window {

void onTickKey(WindowContext& context) {
    ItemTableView* grid = context.controls.tabPedido;
    const int row = grid->currentIndex().row() + 1;
    if (row >= 1 && row <= grid->rowCount()) {
        grid->items()->toggleTick(row);
        context.session.lastSelRow = row;
    }
}

void onSelectAll(WindowContext& context) {
    context.controls.tabPedido->items()->tickAll(true);
}

void onClearSelection(WindowContext& context) {
    context.controls.tabPedido->items()->tickAll(false);
}

}  // namespace rotulano::window
