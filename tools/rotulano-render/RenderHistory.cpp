#include "rotulano-render/RenderHistory.h"

#include "journal/HistoryText.h"
#include "journal/Journal.h"
#include "journal/JournalMessages.h"
#include "rotulano-render/RenderJournal.h"

namespace rotulano::render {

namespace {

constexpr std::size_t kOrderNumberDigits = 6;

// The order number as the journal keeps it: the header's 6 digits.
std::string orderNumberOf(const std::string& typed) {
    if (typed.size() >= kOrderNumberDigits) {
        return typed;
    }
    return std::string(kOrderNumberDigits - typed.size(), '0') + typed;
}

}  // namespace

RenderExit historyRender(const RenderOptions& options, std::ostream& out, std::ostream& err) {
    journal::Journal journal;
    const std::string path = renderJournalPath(options);
    if (!journal.openForReading(path)) {
        return renderFailure(err, RenderExit::JournalUnread, journal.message());
    }
    std::optional<std::string> order;
    if (options.historyOrder) {
        order = orderNumberOf(*options.historyOrder);
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
