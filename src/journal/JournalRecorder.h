#pragma once

#include <functional>
#include <map>
#include <string>

#include "journal/Journal.h"
#include "printing/JobRecorder.h"

namespace rotulano::journal {

// Keeps a print job's rows in the journal as the job runs: the job's entry when it
// starts; a row's "sending" entry just before its first byte leaves, in one transaction
// with the outcome of the row before it; the last outcome with the job's end. A row sent
// again after the journal showed it printed, or possibly printed, is marked a reprint.
// When the journal cannot keep an entry, `tell` gets its message once for the job and the
// job goes on without the journal; the next job tries again.
class JournalRecorder : public printing::JobRecorder {
  public:
    using Tell = std::function<void(const std::string& message)>;

    // `earlier`: what the journal held of this order's rows before the job (rowsOfOrder).
    JournalRecorder(Journal& journal, JobEntry job, std::map<int, RowState> earlier, Tell tell);

    void jobStarted(const printing::JobRequest& request) override;
    void rowSending(const printing::JobRow& row, long long labels) override;
    void rowOutcome(const printing::RowReport& report) override;
    void jobEnded(const printing::JobReport& report) override;

  private:
    void failed();

    Journal& journal_;
    JobEntry job_;
    std::map<int, RowState> earlier_;
    Tell tell_;
    long long jobId_ = 0;
    long long rowId_ = 0;
    bool recording_ = false;
    bool told_ = false;
    bool outcomePending_ = false;
    RowOutcomeEntry outcome_;
};

// The state a finished row is kept with: printed, or not sent when no byte of it left the
// program, else possibly printed in part.
RowState stateOfRow(const printing::RowReport& report);

// A row's entry from its order line: item code (positions 11-20) and label type
// (position 2) as UTF-8, the labels it asks for.
RowEntry rowEntryOf(const std::string& orderLine, int row, long long labels);

// Latin-1 bytes (the order's texts) as UTF-8, trailing blanks dropped.
std::string latin1ToUtf8(const std::string& latin1);

}  // namespace rotulano::journal
