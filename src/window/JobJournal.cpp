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
    journal::JobEntry entry;
    entry.program = "janela";
    entry.user = journal::journalUser();
    entry.orderFile = session.orderFile;
    entry.orderNumber = session.orderNumber;
    entry.supplier = journal::latin1ToUtf8(session.supplierName);
    entry.orderSha256 = session.orderSha256;
    entry.model = session.settings.model();
    entry.port = config::PrinterLists::portName(session.settings.port());
    const core::PortDestination* destination = ports.find(entry.port);
    entry.destination =
        destination != nullptr ? destination->text : context.platform.portDevice(entry.port);
    return entry;
}

}  // namespace rotulano::window
