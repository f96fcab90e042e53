#include "window/JobJournal.h"

#include "config/ParameterFile.h"
#include "config/PrinterLists.h"
#include "journal/JournalQuery.h"
#include "journal/OrderJournal.h"

namespace rotulano::window {

std::string windowJournalPath() {
    return journal::journalBesideSettings(config::ParameterFile::kFileName);
}

JobJournal::JobJournal(WindowContext& context, const config::PortsTable& ports, Tell tell) {
    journal_.open(windowJournalPath());
    if (!journal_.message().empty()) {
        tell(journal_.message());
    }
    // Rows the journal shows printed, or possibly printed, are sent again as reprints.
    std::map<int, journal::RowState> earlier;
    if (journal_.database().isOpen()) {
        journal::rowsOfOrder(journal_.database(), context.session.orderSha256, earlier);
    }
    // So are the rows the grid shows printed: confirmed, or printed while the journal failed.
    const ItemTableModel& items = *context.controls.tabPedido->items();
    for (int row : items.rowsMarked(ItemTableModel::Mark::Printed)) {
        earlier[row] = journal::RowState::Printed;
    }
    recorder_ = std::make_unique<journal::JournalRecorder>(journal_, entryOf(context, ports),
                                                           std::move(earlier), std::move(tell));
}

journal::JobEntry JobJournal::entryOf(WindowContext& context,
                                      const config::PortsTable& ports) const {
    const Session& session = context.session;
    const std::string port = config::PrinterLists::portName(session.settings.port());
    return journal::jobEntryOf(
        "janela",
        {session.orderFile, session.orderNumber, session.supplierName, session.orderSha256},
        session.settings, ports, context.platform.portDevice(port));
}

}  // namespace rotulano::window
