#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "journal/Journal.h"

namespace rotulano::journal {

// What the journal says of each row of one order (the same file bytes, by SHA-256) over
// all its jobs: Printed once any job printed it; else MaybePartly when a job left it
// "sending" or "may be partly printed"; else NotSent. Rows never sent are not in the map.
// False when the journal could not be read.
bool rowsOfOrder(Database& db, const std::string& orderSha256, std::map<int, RowState>& rows);

struct HistoryRow {
    int row = 0;
    std::string itemCode;
    std::string labelType;
    long long labels = 0;
    RowState state = RowState::Sending;
    std::string stateTime;
    bool reprint = false;
};

struct HistoryJob {
    long long id = 0;
    std::string started;
    std::string ended;  // empty: the job never ended (the program was stopped)
    JobEntry entry;
    std::vector<HistoryRow> rows;  // in the order they went out
};

// The order number as the journal keeps it, the header's 6 digits, from a number typed
// with or without its leading zeros ("4711" is "004711").
std::string keptOrderNumber(const std::string& typed);

// Which jobs a history shows: one order's (its number as the journal keeps it) and those
// started from `firstDay` to `lastDay`, both days included ("2026-12-10"). A part left
// unset keeps every job.
struct HistoryFilter {
    std::optional<std::string> orderNumber;
    std::optional<std::string> firstDay;
    std::optional<std::string> lastDay;
};

// A job as a list of jobs shows it: its entry (no rows) and what its rows add up to.
struct JobSummary {
    HistoryJob job;
    long long rows = 0;
    long long labels = 0;  // of every row, reprints included
    long long printed = 0;
    long long notSent = 0;
    long long maybePartly = 0;
    long long sending = 0;  // still "sending": the job stopped, or runs in another program
};

// The jobs that `filter` keeps, newest first, each summed up by the database: no row is
// read, so that a year of entries lists at once. False when the journal could not be read.
bool listJobs(Database& db, const HistoryFilter& filter, std::vector<JobSummary>& jobs);

// The rows of `job` (by its id), in the order they went out. False when they could not be
// read.
bool readJobRows(Database& db, HistoryJob& job);

// The journal's jobs that `filter` keeps, newest first, with their rows. False when the
// journal could not be read.
bool readHistory(Database& db, const HistoryFilter& filter, std::vector<HistoryJob>& jobs);

// The same for one order's jobs (`orderNumber` as the journal keeps it), or all of them.
bool readHistory(Database& db, const std::optional<std::string>& orderNumber,
                 std::vector<HistoryJob>& jobs);

}  // namespace rotulano::journal
