#pragma once

#include <functional>
#include <memory>
#include <string>

#include "config/PortsTable.h"
#include "journal/Journal.h"
#include "journal/JournalRecorder.h"
#include "window/WindowContext.h"

namespace rotulano::window {

// The window's print journal: rotulano-diario.db beside the settings file.
std::string windowJournalPath();

// The print journal of one window job, kept as rotulano-render --send keeps its own: the
// same entries through the same recorder, under the program name "janela". A journal that
// cannot keep its entries is told to `tell` (its message); the job goes on.
class JobJournal {
  public:
    using Tell = std::function<void(const std::string& message)>;

    JobJournal(WindowContext& context, const config::PortsTable& ports, Tell tell);

    // The recorder the job's engine tells.
    printing::JobRecorder* recorder() { return recorder_.get(); }

  private:
    journal::JobEntry entryOf(WindowContext& context, const config::PortsTable& ports) const;

    journal::Journal journal_;
    std::unique_ptr<journal::JournalRecorder> recorder_;
};

}  // namespace rotulano::window
