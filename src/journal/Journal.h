#pragma once

#include <string>
#include <vector>

#include "journal/JournalDb.h"

namespace rotulano::journal {

// The journal's file name, beside the settings file (CD21PRM.DAT).
inline constexpr const char* kJournalFileName = "rotulano-diario.db";

// The journal beside the settings file at `settingsPath` (its folder; the current folder
// for a bare name).
std::string journalBesideSettings(const std::string& settingsPath);

// What became of a row, as the journal keeps it.
enum class RowState {
    Sending,      // its entry was made before its first byte left; nothing more is known
    Printed,      // the printer has it
    NotSent,      // no byte of it left the program
    MaybePartly,  // some bytes left: the printer may hold part of its labels
};

// The stored word of a state, and back; an unknown word reads as Sending.
const char* stateWord(RowState state);
RowState stateOfWord(const std::string& word);

// A job as it starts. Texts are UTF-8 (the order's Latin-1 texts converted).
struct JobEntry {
    std::string program;  // "janela" or "rotulano-render"
    std::string user;
    std::string orderFile;
    std::string orderNumber;
    std::string supplier;
    std::string orderSha256;  // of the order file's bytes, lower-case hex
    int model = 0;
    std::string port;         // "LPT1"
    std::string destination;  // as resolved: "tcp://10.0.0.5:9100", "/dev/usb/lp0"
};

// A row as it starts going out.
struct RowEntry {
    int row = 0;
    std::string itemCode;
    std::string labelType;
    long long labels = 0;
    bool reprint = false;
};

// A row's last state, committed with the next entry.
struct RowOutcomeEntry {
    long long rowId = 0;
    RowState state = RowState::NotSent;
};

// The operator's answer about one row of an order (its file's SHA-256), given once: a row
// possibly printed ("incerta") or a row of an amended order that matches a printed line
// ("alterada"), answered printed ("impressa") or left to print ("imprimir"). It covers the
// row's entries up to `upToRow` (job_row ids): a later job asks afresh.
struct RowAnswerEntry {
    std::string orderSha256;
    int row = 0;
    std::string question;
    std::string answer;
    long long upToRow = 0;
};

// The print journal: an SQLite file with every job and every row, kept crash-safe. In WAL
// mode every commit is synced (synchronous=FULL), so a row costs one sync: its "sending"
// entry and the previous row's outcome share one transaction, committed before the row's
// first byte leaves. Write transactions begin IMMEDIATE and wait up to 5 s for another
// writer. On a network folder the rollback journal takes the place of the WAL.
//
// Before SQLite opens anything, the journal and its -wal, -shm and -journal files must be
// missing or regular files: a FIFO or a device there would hold SQLite forever. A damaged
// journal is moved aside with its companions, under a lock that no other connection may
// hold, and a new one made. A journal of a newer program is opened read-only. Whenever
// the journal cannot keep an entry, message() says so (one text) and the caller prints on.
class Journal {
  public:
    // Opens (or makes) the journal at `path` for writing: false when it cannot keep
    // entries, with the reason in message(). message() is also set when a damaged journal
    // was moved aside and this one is new.
    bool open(const std::string& path);
    // The same, choosing the rollback journal or the WAL by the folder.
    bool open(const std::string& path, bool networkFolder);

    // Opens the journal at `path` to read it only (the history, a resumed job): it must
    // exist. False, with message(), when it cannot be read.
    bool openForReading(const std::string& path);

    bool writable() const { return writable_; }
    const std::string& message() const { return message_; }
    const std::string& path() const { return path_; }
    Database& database() { return db_; }

    // One transaction each; false with message() on failure (nothing of it kept).
    bool startJob(const JobEntry& job, long long& jobId);
    // `lineSha256`: the SHA-256 of the row's order line (orderLineSha256).
    bool rowSending(long long jobId, const RowEntry& row, const RowOutcomeEntry* previous,
                    long long& rowId, const std::string& lineSha256 = std::string());
    bool endJob(long long jobId, const std::vector<RowOutcomeEntry>& outcomes);
    // The operator's answers, with the time and `user`, in one transaction.
    bool storeAnswers(const std::vector<RowAnswerEntry>& answers, const std::string& user);

  private:
    bool startOver(const std::string& path);
    bool checkCompanions();
    bool openDatabase(bool networkFolder);
    bool setUp(bool networkFolder);
    bool recoverFromCorruption(bool networkFolder);
    bool openReadOnly();
    bool beginWrite();
    bool writeFailed(int code);
    bool commit(int code);
    int storeOutcome(const RowOutcomeEntry& outcome, const std::string& time);

    Database db_;
    std::string path_;
    std::string message_;
    bool writable_ = false;
};

// The local date and time as the journal keeps it: "2026-12-10 02:03:04".
std::string journalTime();

}  // namespace rotulano::journal
