#include "journal/OrderJournal.h"

#include <QCryptographicHash>
#include <QString>
#include <set>

#include "config/PrinterLists.h"
#include "core/GuardedFile.h"
#include "core/OrderLine.h"
#include "journal/JournalRecorder.h"

namespace rotulano::journal {

namespace {

std::string sha256Hex(const std::string& bytes) {
    const QByteArray hash =
        QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                 QCryptographicHash::Sha256);
    return hash.toHex().toStdString();
}

// A row's entries of this file and the answers about it, gathered before its mark is set.
struct RowFacts {
    bool printed = false;
    bool answeredPrinted = false;
    bool confirmedAmended = false;
    long long uncertainUpTo = 0;  // the newest entry left "sending" or possibly printed
    long long answeredUpTo = 0;   // the newest entry an answer covered
    std::string uncertainTime;
    std::string uncertainPort;
};

void notePrinted(OrderKnowledge& known, const std::string& time, const std::string& port) {
    if (time >= known.lastPrinted) {
        known.lastPrinted = time;
        known.lastPort = port;
    }
}

bool readEntries(Database& db, const OrderIdentity& order, std::map<int, RowFacts>& facts,
                 OrderKnowledge& known) {
    Statement query(db,
                    "SELECT job_row.id, job_row.row_number, job_row.state, job_row.state_time, "
                    "job.port FROM job JOIN job_row ON job_row.job_id = job.id "
                    "WHERE job.order_sha256 = ?1 ORDER BY job_row.id");
    query.bind(1, order.sha256);
    int code = query.prepared();
    while (code == SQLITE_OK && (code = query.step()) == SQLITE_ROW) {
        const long long id = query.integer(0);
        RowFacts& row = facts[static_cast<int>(query.integer(1))];
        const RowState state = stateOfWord(query.text(2));
        known.lastRowId = id;
        if (state == RowState::Printed) {
            row.printed = true;
            notePrinted(known, query.text(3), query.text(4));
        } else if (state != RowState::NotSent) {
            row.uncertainUpTo = id;
            row.uncertainTime = query.text(3);
            row.uncertainPort = query.text(4);
        }
        code = SQLITE_OK;
    }
    return code == SQLITE_DONE;
}

bool readAnswers(Database& db, const OrderIdentity& order, std::map<int, RowFacts>& facts) {
    Statement query(db,
                    "SELECT row_number, question, answer, up_to_row FROM row_answer "
                    "WHERE order_sha256 = ?1 ORDER BY id");
    query.bind(1, order.sha256);
    int code = query.prepared();
    while (code == SQLITE_OK && (code = query.step()) == SQLITE_ROW) {
        RowFacts& row = facts[static_cast<int>(query.integer(0))];
        const bool printed = query.text(2) == kAnswerPrinted;
        if (query.text(1) == kQuestionAmended) {
            row.confirmedAmended = row.confirmedAmended || printed;
        } else {
            row.answeredPrinted = row.answeredPrinted || printed;
            row.answeredUpTo = std::max(row.answeredUpTo, query.integer(3));
        }
        code = SQLITE_OK;
    }
    return code == SQLITE_DONE;
}

// The lines printed under another version of the order: same number and supplier, other
// bytes. Rows kept before lines were hashed have no hash and match nothing.
bool readAmendedLines(Database& db, const OrderIdentity& order, std::set<std::string>& lines) {
    Statement query(db,
                    "SELECT DISTINCT job_row.line_sha256 FROM job JOIN job_row ON job_row.job_id "
                    "= job.id WHERE job.order_number = ?1 AND job.supplier = ?2 AND "
                    "job.order_sha256 <> ?3 AND job_row.state = ?4");
    query.bind(1, order.orderNumber);
    query.bind(2, order.supplier);
    query.bind(3, order.sha256);
    query.bind(4, std::string(stateWord(RowState::Printed)));
    int code = query.prepared();
    while (code == SQLITE_OK && (code = query.step()) == SQLITE_ROW) {
        lines.insert(query.text(0));
        code = SQLITE_OK;
    }
    return code == SQLITE_DONE;
}

void markOwnRows(const std::map<int, RowFacts>& facts, OrderKnowledge& known) {
    for (const auto& [row, fact] : facts) {
        if (fact.printed) {
            known.marks[row] = JournalMark::Printed;
        } else if (fact.answeredPrinted) {
            known.marks[row] = JournalMark::Printed;
            notePrinted(known, fact.uncertainTime, fact.uncertainPort);
        } else if (fact.uncertainUpTo > fact.answeredUpTo) {
            known.marks[row] = JournalMark::Uncertain;
        }
    }
}

void markAmendedRows(const std::set<std::string>& printedLines,
                     const std::vector<std::string>& lines, const std::map<int, RowFacts>& facts,
                     OrderKnowledge& known) {
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const int row = static_cast<int>(index) + 1;
        if (known.marks.count(row) != 0 || printedLines.count(orderLineSha256(lines[index])) == 0) {
            continue;
        }
        const auto fact = facts.find(row);
        const bool confirmed = fact != facts.end() && fact->second.confirmedAmended;
        known.marks[row] = confirmed ? JournalMark::Printed : JournalMark::Amended;
    }
}

}  // namespace

std::string orderFileSha256(const std::string& path) {
    constexpr std::size_t kLimit = 64 * 1024 * 1024;
    std::string bytes;
    if (core::GuardedFile::readWhole(path, kLimit, bytes) != core::kStatusOk) {
        return {};
    }
    return sha256Hex(bytes);
}

std::string orderLineSha256(const std::string& line) {
    return sha256Hex(core::OrderLine(line).bytes());
}

std::string journalUser() {
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return user.toStdString();
}

bool readOrderKnowledge(Database& db, const OrderIdentity& order,
                        const std::vector<std::string>& lines, OrderKnowledge& known) {
    known = OrderKnowledge();
    std::map<int, RowFacts> facts;
    std::set<std::string> printedLines;
    if (!readEntries(db, order, facts, known) || !readAnswers(db, order, facts) ||
        !readAmendedLines(db, order, printedLines)) {
        return false;
    }
    markOwnRows(facts, known);
    printedLines.erase(std::string());
    known.amended = !printedLines.empty();
    markAmendedRows(printedLines, lines, facts, known);
    return true;
}

JobEntry jobEntryOf(const std::string& program, const JobOrder& order,
                    const core::PrinterSettings& settings, const config::PortsTable& ports,
                    const std::string& usualDevice) {
    JobEntry entry;
    entry.program = program;
    entry.user = journalUser();
    entry.orderFile = order.file;
    entry.orderNumber = order.number;
    entry.supplier = latin1ToUtf8(order.supplierLatin1);
    entry.orderSha256 = order.sha256;
    entry.model = settings.model();
    entry.port = config::PrinterLists::portName(settings.port());
    const core::PortDestination* destination = ports.find(entry.port);
    entry.destination = destination != nullptr ? destination->text : usualDevice;
    return entry;
}

}  // namespace rotulano::journal
