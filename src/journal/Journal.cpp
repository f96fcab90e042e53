#include "journal/Journal.h"

#include <QDateTime>

#include "core/GuardedFile.h"
#include "core/PathKind.h"
#include "journal/JournalFiles.h"
#include "journal/JournalMessages.h"
#include "journal/JournalSchema.h"

namespace rotulano::journal {

namespace {

namespace messages = journalMessages;

constexpr int kBusyTimeoutMs = 5000;
const char* const kCompanions[] = {"-wal", "-shm", "-journal"};
const std::string kHeader("SQLite format 3\0", 16);

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

std::string asideName(const std::string& path) {
    const std::string stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    return path + ".corrompido-" + stamp;
}

}  // namespace

std::string journalBesideSettings(const std::string& settingsPath) {
    const std::size_t slash = settingsPath.find_last_of("/\\");
    if (slash == std::string::npos) {
        return kJournalFileName;
    }
    return settingsPath.substr(0, slash + 1) + kJournalFileName;
}

const char* stateWord(RowState state) {
    switch (state) {
        case RowState::Printed:
            return "impressa";
        case RowState::NotSent:
            return "nao-enviada";
        case RowState::MaybePartly:
            return "talvez-em-parte";
        case RowState::Sending:
            break;
    }
    return "enviando";
}

RowState stateOfWord(const std::string& word) {
    for (RowState state : {RowState::Printed, RowState::NotSent, RowState::MaybePartly}) {
        if (word == stateWord(state)) {
            return state;
        }
    }
    return RowState::Sending;
}

std::string journalTime() {
    return QDateTime::currentDateTime()
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
        .toStdString();
}

bool Journal::open(const std::string& path) {
    return open(path, onNetworkFolder(folderOf(path)));
}

// Forgets the journal open before and checks the companions of the one at `path`.
bool Journal::startOver(const std::string& path) {
    path_ = path;
    message_.clear();
    writable_ = false;
    db_.close();
    return checkCompanions();
}

bool Journal::open(const std::string& path, bool networkFolder) {
    return startOver(path) && openDatabase(networkFolder);
}

bool Journal::openForReading(const std::string& path) {
    if (!startOver(path)) {
        return false;
    }
    if (core::pathKindOf(path) == core::PathKind::Missing) {
        message_ = messages::notFound(path);
        return false;
    }
    int code = db_.open(path_, true);
    long long version = 0;
    if (code == SQLITE_OK) {
        sqlite3_busy_timeout(db_.handle(), kBusyTimeoutMs);
        code = schemaVersion(db_, version);
    }
    if (code != SQLITE_OK) {
        message_ = messages::notRead(path_, messages::cause(code));
        db_.close();
        return false;
    }
    return true;
}

// A FIFO, a device or a folder at any of the journal's names would hold SQLite or be
// written through: only a missing name or a regular file is opened.
bool Journal::checkCompanions() {
    std::vector<std::string> names = {path_};
    for (const char* suffix : kCompanions) {
        names.push_back(path_ + suffix);
    }
    for (const std::string& name : names) {
        const core::PathKind kind = core::pathKindOf(name);
        if (kind != core::PathKind::Missing && kind != core::PathKind::RegularFile) {
            message_ = messages::notRegular(name, core::pathKindText(kind));
            return false;
        }
    }
    return true;
}

// A file that does not even start as an SQLite database is set aside before SQLite opens
// it: SQLite would take a -wal beside it as its own log and truncate it.
bool Journal::openDatabase(bool networkFolder) {
    std::string start;
    core::GuardedFile::readStart(path_, kHeader.size(), start);
    if (!start.empty() && start != kHeader) {
        return recoverFromCorruption(networkFolder);
    }
    const int code = db_.open(path_, false);
    if (code != SQLITE_OK) {
        message_ = messages::notOpened(path_, messages::cause(code));
        return false;
    }
    sqlite3_busy_timeout(db_.handle(), kBusyTimeoutMs);
    long long version = 0;
    const int read = schemaVersion(db_, version);
    if (isCorruption(read)) {
        return recoverFromCorruption(networkFolder);
    }
    if (read != SQLITE_OK) {
        message_ = messages::notOpened(path_, messages::cause(read));
        return false;
    }
    if (version > kSchemaVersion) {
        return openReadOnly();
    }
    return setUp(networkFolder);
}

bool Journal::setUp(bool networkFolder) {
    int code = db_.exec(networkFolder ? "PRAGMA journal_mode=DELETE" : "PRAGMA journal_mode=WAL");
    if (code == SQLITE_OK) {
        code = db_.exec("PRAGMA synchronous=FULL");
    }
    if (code == SQLITE_OK) {
        code = migrate(db_);
    }
    if (isCorruption(code)) {
        return recoverFromCorruption(networkFolder);
    }
    if (code != SQLITE_OK) {
        message_ = messages::notOpened(path_, messages::cause(code));
        db_.close();
        return false;
    }
    writable_ = true;
    return true;
}

// A newer program's journal is kept as it is: read, never written.
bool Journal::openReadOnly() {
    db_.close();
    message_ = messages::newerVersion(path_);
    if (db_.open(path_, true) == SQLITE_OK) {
        sqlite3_busy_timeout(db_.handle(), kBusyTimeoutMs);
    }
    return false;
}

// Only a journal nobody else has open is moved: another program may still be writing to
// it through its own view of the file.
bool Journal::recoverFromCorruption(bool networkFolder) {
    db_.close();
    ExclusiveJournalLock lock;
    if (!lock.tryLock(path_)) {
        message_ = messages::corruptInUse(path_);
        return false;
    }
    const std::string aside = asideName(path_);
    for (const char* suffix : kCompanions) {
        if (core::pathKindOf(path_ + suffix) == core::PathKind::RegularFile) {
            moveAside(path_ + suffix, aside + suffix);
        }
    }
    if (!moveAside(path_, aside)) {
        message_ = messages::corruptInUse(path_);
        return false;
    }
    const std::string movedMessage = messages::corruptMovedAside(path_, aside);
    const bool opened = openDatabase(networkFolder);
    message_ = opened ? movedMessage : message_;
    return opened;
}

bool Journal::writeFailed(int code) {
    db_.exec("ROLLBACK");
    message_ = messages::notWritten(path_, messages::cause(code));
    return false;
}

// A write transaction, taken at once (BEGIN IMMEDIATE) so that another writer is waited
// for here, within the busy timeout, and never half way through.
bool Journal::beginWrite() {
    if (!writable_) {
        return false;
    }
    const int code = db_.exec("BEGIN IMMEDIATE");
    return code == SQLITE_OK || writeFailed(code);
}

bool Journal::commit(int code) {
    if (code != SQLITE_OK && code != SQLITE_DONE) {
        return writeFailed(code);
    }
    code = db_.exec("COMMIT");
    return code == SQLITE_OK || writeFailed(code);
}

bool Journal::startJob(const JobEntry& job, long long& jobId) {
    if (!beginWrite()) {
        return false;
    }
    Statement insert(db_,
                     "INSERT INTO job (started, program, user_name, order_file, order_number, "
                     "supplier, order_sha256, model, port, destination) "
                     "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)");
    const std::string texts[] = {journalTime(),   job.program,  job.user,       job.orderFile,
                                 job.orderNumber, job.supplier, job.orderSha256};
    for (int index = 0; index < 7; ++index) {
        insert.bind(index + 1, texts[index]);
    }
    insert.bind(8, static_cast<long long>(job.model));
    insert.bind(9, job.port);
    insert.bind(10, job.destination);
    const int code = insert.prepared() == SQLITE_OK ? insert.step() : insert.prepared();
    jobId = sqlite3_last_insert_rowid(db_.handle());
    return commit(code);
}

int Journal::storeOutcome(const RowOutcomeEntry& outcome, const std::string& time) {
    Statement update(db_, "UPDATE job_row SET state = ?1, state_time = ?2 WHERE id = ?3");
    update.bind(1, std::string(stateWord(outcome.state)));
    update.bind(2, time);
    update.bind(3, outcome.rowId);
    return update.prepared() == SQLITE_OK ? update.step() : update.prepared();
}

bool Journal::rowSending(long long jobId, const RowEntry& row, const RowOutcomeEntry* previous,
                         long long& rowId, const std::string& lineSha256) {
    if (!beginWrite()) {
        return false;
    }
    const std::string time = journalTime();
    int code = previous != nullptr ? storeOutcome(*previous, time) : SQLITE_DONE;
    if (code != SQLITE_DONE) {
        return writeFailed(code);
    }
    Statement insert(db_,
                     "INSERT INTO job_row (job_id, row_number, item_code, label_type, labels, "
                     "state, state_time, reprint, line_sha256) "
                     "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
    insert.bind(1, jobId);
    insert.bind(2, static_cast<long long>(row.row));
    insert.bind(3, row.itemCode);
    insert.bind(4, row.labelType);
    insert.bind(5, row.labels);
    insert.bind(6, std::string(stateWord(RowState::Sending)));
    insert.bind(7, time);
    insert.bind(8, row.reprint ? 1LL : 0LL);
    insert.bind(9, lineSha256);
    code = insert.prepared() == SQLITE_OK ? insert.step() : insert.prepared();
    rowId = sqlite3_last_insert_rowid(db_.handle());
    return commit(code);
}

bool Journal::endJob(long long jobId, const std::vector<RowOutcomeEntry>& outcomes) {
    if (!beginWrite()) {
        return false;
    }
    int code = SQLITE_OK;
    const std::string time = journalTime();
    for (const RowOutcomeEntry& outcome : outcomes) {
        code = storeOutcome(outcome, time);
        if (code != SQLITE_DONE) {
            return writeFailed(code);
        }
    }
    Statement update(db_, "UPDATE job SET ended = ?1 WHERE id = ?2");
    update.bind(1, time);
    update.bind(2, jobId);
    code = update.prepared() == SQLITE_OK ? update.step() : update.prepared();
    return commit(code);
}

bool Journal::storeAnswers(const std::vector<RowAnswerEntry>& answers, const std::string& user) {
    if (!beginWrite()) {
        return false;
    }
    const std::string time = journalTime();
    int code = SQLITE_DONE;
    for (const RowAnswerEntry& answer : answers) {
        Statement insert(db_,
                         "INSERT INTO row_answer (order_sha256, row_number, question, answer, "
                         "up_to_row, answered, user_name) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
        insert.bind(1, answer.orderSha256);
        insert.bind(2, static_cast<long long>(answer.row));
        insert.bind(3, answer.question);
        insert.bind(4, answer.answer);
        insert.bind(5, answer.upToRow);
        insert.bind(6, time);
        insert.bind(7, user);
        code = insert.prepared() == SQLITE_OK ? insert.step() : insert.prepared();
        if (code != SQLITE_DONE) {
            return writeFailed(code);
        }
    }
    return commit(code);
}

}  // namespace rotulano::journal
