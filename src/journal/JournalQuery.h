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

// The journal's jobs, newest first, with their rows; only those of `orderNumber` when
// given. False when the journal could not be read.
bool readHistory(Database& db, const std::optional<std::string>& orderNumber,
                 std::vector<HistoryJob>& jobs);

}  // namespace rotulano::journal
