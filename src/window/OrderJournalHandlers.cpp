#include "journal/JournalRecorder.h"
#include "journal/OrderJournal.h"
#include "window/Captions.h"
#include "window/Handlers.h"
#include "window/JobJournal.h"
#include "window/JournalLine.h"
#include "window/JournalTexts.h"
#include "window/Messages.h"

// The print journal of the loaded order, as the window shows it: the rows' marks, the two
// questions the operator answers once, and the line over the grid.
namespace rotulano::window {

namespace {

namespace texts = journalTexts;
using Mark = ItemTableModel::Mark;

Mark markOf(journal::JournalMark mark) {
    switch (mark) {
        case journal::JournalMark::Printed:
            return Mark::Printed;
        case journal::JournalMark::Uncertain:
            return Mark::Uncertain;
        case journal::JournalMark::Amended:
            break;
    }
    return Mark::Amended;
}

ItemTableModel& itemsOf(WindowContext& context) {
    return *context.controls.tabPedido->items();
}

// What the journal knows of the loaded order; false when it knows nothing (no order, no
// journal, or one that cannot be read: the next job says why).
bool readKnowledge(WindowContext& context, journal::OrderKnowledge& known) {
    const Session& session = context.session;
    const ItemTableModel& items = itemsOf(context);
    if (session.orderSha256.empty() || items.itemCount() == 0) {
        return false;
    }
    std::vector<std::string> lines;
    for (int row = 1; row <= items.itemCount(); ++row) {
        lines.push_back(items.line(row));
    }
    const journal::OrderIdentity order{session.orderSha256, session.orderNumber,
                                       journal::latin1ToUtf8(session.supplierName)};
    journal::Journal journal;
    return journal.openForReading(windowJournalPath()) &&
           journal::readOrderKnowledge(journal.database(), order, lines, known);
}

std::vector<texts::NamedRow> named(const ItemTableModel& items, const std::vector<int>& rows) {
    std::vector<texts::NamedRow> list;
    for (int row : rows) {
        list.emplace_back(row, journal::rowEntryOf(items.line(row), row, 0).itemCode);
    }
    return list;
}

// The answer holds for this session whatever becomes of it; a journal that cannot keep it
// says so, and the question comes again with the order.
void storeAnswers(WindowContext& context, const std::vector<int>& rows, const char* question,
                  const char* answer, long long upToRow) {
    std::vector<journal::RowAnswerEntry> entries;
    for (int row : rows) {
        entries.push_back({context.session.orderSha256, row, question, answer, upToRow});
    }
    journal::Journal journal;
    if (!journal.open(windowJournalPath()) ||
        !journal.storeAnswers(entries, journal::journalUser())) {
        rotinaMsg(context.messageBox, QString::fromUtf8(journal.message().c_str()),
                  QString::fromUtf8("ATENÇÃO"), core::kStyleWarning);
    }
}

bool askUncertain(WindowContext& context, long long upToRow) {
    ItemTableModel& items = itemsOf(context);
    const std::vector<int> rows = items.rowsMarked(Mark::Uncertain);
    if (rows.empty()) {
        return false;
    }
    const bool printed = context.messageBox.choose(
                             texts::uncertainQuestion(named(items, rows)), texts::questionTitle(),
                             core::kStyleWarning,
                             texts::uncertainButtons(portugueseSelected(context.controls))) == 0;
    storeAnswers(context, rows, journal::kQuestionUncertain,
                 printed ? journal::kAnswerPrinted : journal::kAnswerLeave, upToRow);
    for (int row : rows) {
        items.setJournalMark(row, printed ? Mark::Printed : Mark::None);
    }
    return true;
}

bool askAmended(WindowContext& context) {
    ItemTableModel& items = itemsOf(context);
    const std::vector<int> rows = items.rowsMarked(Mark::Amended);
    if (rows.empty() || context.messageBox.choose(
                            texts::amendedQuestion(named(items, rows)), texts::questionTitle(),
                            core::kStyleQuestion,
                            texts::amendedButtons(portugueseSelected(context.controls))) != 0) {
        return false;
    }
    storeAnswers(context, rows, journal::kQuestionAmended, journal::kAnswerPrinted, 0);
    for (int row : rows) {
        items.setJournalMark(row, Mark::Printed);
    }
    return true;
}

QString lineOf(const ItemTableModel& items, const journal::OrderKnowledge& known) {
    QStringList lines;
    if (known.amended) {
        lines << texts::amendedLine();
    }
    if (!known.lastPrinted.empty()) {
        lines << texts::printedLine(static_cast<int>(items.rowsMarked(Mark::Printed).size()),
                                    items.itemCount(), known.lastPrinted, known.lastPort);
    }
    return lines.join(u'\n');
}

}  // namespace

void showOrderJournal(WindowContext& context) {
    showJournalLine(context.controls, QString());
    journal::OrderKnowledge known;
    if (!readKnowledge(context, known)) {
        return;
    }
    ItemTableModel& items = itemsOf(context);
    for (const auto& [row, mark] : known.marks) {
        items.setJournalMark(row, markOf(mark));
    }
    const bool uncertainAsked = askUncertain(context, known.lastRowId);
    const bool amendedAsked = askAmended(context);
    if (uncertainAsked || amendedAsked) {
        refreshJournalLine(context);
        return;
    }
    showJournalLine(context.controls, lineOf(items, known));
}

// The marks in memory stay as they are (a journal that failed keeps none of them); the
// line tells what the journal now holds.
void refreshJournalLine(WindowContext& context) {
    journal::OrderKnowledge known;
    const bool read = readKnowledge(context, known);
    showJournalLine(context.controls, read ? lineOf(itemsOf(context), known) : QString());
}

}  // namespace rotulano::window
