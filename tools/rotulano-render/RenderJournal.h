#pragma once

#include <map>
#include <memory>
#include <ostream>
#include <string>

#include "config/PortsTable.h"
#include "journal/Journal.h"
#include "journal/JournalRecorder.h"
#include "rotulano-render/RenderCommand.h"
#include "rotulano-render/RenderJob.h"
#include "rotulano-render/RenderOptions.h"

namespace rotulano::render {

// The journal a run reads or writes: --journal, else rotulano-diario.db beside the
// settings file (--settings, else CD21PRM.DAT of the current folder).
std::string renderJournalPath(const RenderOptions& options);

// The print journal of one rotulano-render --send: opened before the job (unless
// --no-journal), it leaves out the rows already printed when asked (--skip-printed) and
// records the job. A journal that cannot keep entries is said on `err` as a warning, once,
// and the job goes on.
class SendJournal {
  public:
    SendJournal(const RenderOptions& options, std::ostream& err);

    // --skip-printed: drops from `job` the rows the journal shows printed for this order.
    // Rows it shows possibly printed stop the run (UncertainRows, naming them) unless
    // --resend-uncertain; a journal that cannot be read stops it too (JournalUnread).
    RenderExit skipPrinted(const RenderRequest& request, printing::JobRequest& job);

    // The recorder for the job, or null with --no-journal.
    printing::JobRecorder* recorder(const RenderRequest& request, const config::PortsTable& table,
                                    const std::string& usualDevice);

  private:
    void warn(const std::string& message);
    void readEarlier(const RenderRequest& request);

    const RenderOptions& options_;
    std::ostream& err_;
    journal::Journal journal_;
    std::map<int, journal::RowState> earlier_;
    bool earlierRead_ = false;
    std::unique_ptr<journal::JournalRecorder> recorder_;
};

}  // namespace rotulano::render
