#include "journal/JournalRecorder.h"
#include "window/Handlers.h"
#include "window/Messages.h"
#include "window/PrintJob.h"

namespace rotulano::window {

namespace {

const char* const kDamagedSettings =
    "Os parâmetros da impressora estão danificados: escolha os valores na página "
    "Configuração e clique em Gravar antes de imprimir.";
const char* const kNotPrinted =
    "Escolha na página Seleção uma linha já impressa (Ø) para imprimir de novo.";

// Nothing is printed with damaged settings: the label commands would carry them to the
// printer (a darkness "99", a margin of letters).
bool settingsDamaged(WindowContext& context) {
    if (context.session.settings.damagedFields().empty()) {
        return false;
    }
    rotinaMsg(context.messageBox, QString::fromUtf8(kDamagedSettings), QString::fromUtf8("ATENÇÃO"),
              core::kStyleWarning);
    return true;
}

QString countQuestion(const ItemTableModel& items, int row) {
    return QString::fromUtf8("Quantas etiquetas da linha %1 (item %2) imprimir de novo? (até %3)")
        .arg(row)
        .arg(QString::fromUtf8(journal::rowEntryOf(items.line(row), row, 0).itemCode.c_str()))
        .arg(items.quantity(row));
}

}  // namespace

void onPrint(WindowContext& context) {
    if (!settingsDamaged(context)) {
        PrintJob(context).run();
    }
}

// A damaged label of a printed row is printed again as an ordinary print of that row with
// the labels asked for; the journal keeps it as a reprint and the row stays "Ø".
void onReprint(WindowContext& context) {
    ItemTableView* grid = context.controls.tabPedido;
    const ItemTableModel& items = *grid->items();
    const int row = grid->currentIndex().row() + 1;
    if (!items.isPrinted(row) || items.quantity(row) < 1) {
        rotinaMsg(context.messageBox, QString::fromUtf8(kNotPrinted), QString::fromUtf8("ATENÇÃO"),
                  core::kStyleInformation);
        return;
    }
    long long labels = 1;
    if (settingsDamaged(context) ||
        !context.messageBox.askCount(countQuestion(items, row), QString::fromUtf8("Reimprimir"),
                                     items.quantity(row), labels) ||
        labels < 1 || labels > items.quantity(row)) {
        return;
    }
    PrintJob(context).run({printing::JobRow{row, items.line(row), labels}});
}

}  // namespace rotulano::window
