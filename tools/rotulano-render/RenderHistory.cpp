#include "rotulano-render/RenderHistory.h"

#include "journal/HistoryText.h"
#include "journal/Journal.h"
#include "journal/JournalMessages.h"
#include "journal/JournalQuery.h"
#include "rotulano-render/RenderJournal.h"

namespace rotulano::render {

RenderExit historyRender(const RenderOptions& options, std::ostream& out, std::ostream& err) {
    journal::Journal journal;
    const std::string path = renderJournalPath(options);
    if (!journal.openForReading(path)) {
        return renderFailure(err, RenderExit::JournalUnread, journal.message());
    }
    std::optional<std::string> order;
    if (options.historyOrder) {
        order = journal::keptOrderNumber(*options.historyOrder);
    }
    std::vector<journal::HistoryJob> jobs;
    if (!journal::readHistory(journal.database(), order, jobs)) {
        return renderFailure(
            err, RenderExit::JournalUnread,
            journal::journalMessages::notRead(path, journal.database().lastError()));
    }
    out << (options.csv ? journal::historyCsv(jobs) : journal::historyText(jobs, order));
    out.flush();
    return RenderExit::Ok;
}

}  // namespace rotulano::render
