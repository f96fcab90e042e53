#pragma once

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "journal/Journal.h"
#include "printing/PrintEngine.h"

// What the journal's tests share: a folder of their own, a job's entry, and a print job
// over a sink in memory, recorded in a journal.
namespace rotulano::test {

class JournalFolder {
  public:
    std::string file(const std::string& name = journal::kJournalFileName) const {
        return folder_.filePath(QString::fromStdString(name)).toStdString();
    }
    std::string path() const { return folder_.path().toStdString(); }

  private:
    QTemporaryDir folder_;
};

// The entry of a job of order 004711 (its file's SHA-256 `sha`).
journal::JobEntry jobEntry(const std::string& sha = std::string(64, 'a'));

// `count` rows of ZPL item lines (label type 1, 2 labels each), numbered from 1.
printing::JobRequest jobOfRows(int count);

// What a job recorded in `journal` printed, and what the journal told.
struct RecordedJob {
    printing::JobReport report;
    std::string bytes;                  // what the printer got
    std::vector<std::string> messages;  // the journal's, one per line
};

// Runs `request` through the engine into memory with the journal's recorder.
RecordedJob runRecorded(journal::Journal& journal, const printing::JobRequest& request,
                        const std::string& sha = std::string(64, 'a'));

// The same job with no journal at all: what the printer gets without one.
std::string bytesWithoutJournal(const printing::JobRequest& request);

// A row's state words of one job in the journal at `path`, "row:state" in row order.
std::vector<std::string> rowStates(const std::string& path, long long jobId = 1);

}  // namespace rotulano::test
