#pragma once

#include <optional>
#include <string>
#include <vector>

#include "journal/JournalQuery.h"

namespace rotulano::journal {

// A row's state as the operator reads it: "impressa", "enviando", "não enviada",
// "talvez impressa em parte".
const char* stateText(RowState state);

// How a job ended, as a list of jobs tells it: every row printed; stopped before its last
// row (a row not sent: cancelled, or the printer failed); a row left "sending" or "may be
// partly printed" (the printer may hold some of its labels); no end recorded (the program
// was stopped, or the job still runs elsewhere); no row sent at all.
enum class JobOutcome { AllPrinted, Interrupted, MaybePartly, NotEnded, NothingSent };

JobOutcome jobOutcome(const JobSummary& job);

// The outcome as the operator reads it: "tudo impresso", "interrompido", "talvez impresso
// em parte", "não terminou", "nada enviado".
const char* outcomeText(JobOutcome outcome);

// The journal's jobs as text (UTF-8), newest first, each with its rows; `orderNumber`
// names the order asked for when the list is empty.
std::string historyText(const std::vector<HistoryJob>& jobs,
                        const std::optional<std::string>& orderNumber);

// The same as CSV for a spreadsheet: UTF-8 with a byte-order mark, fields separated by
// ";", CR LF line ends, a field quoted (its quotes doubled) when it holds ";", a quote
// or a line end. One line per row, the job's fields repeated; a job without rows gets
// one line with empty row fields.
std::string historyCsv(const std::vector<HistoryJob>& jobs);

}  // namespace rotulano::journal
