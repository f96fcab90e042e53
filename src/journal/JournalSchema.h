#pragma once

#include "journal/JournalDb.h"

namespace rotulano::journal {

// The journal's layout, numbered in PRAGMA user_version. Each version is reached from the
// one before by one step, so that a journal of any earlier program is brought up to date
// in place, its entries kept.
inline constexpr int kSchemaVersion = 3;

// The version the journal's file says it has (0 for a new, empty file).
int schemaVersion(Database& db, long long& version);

// Brings the journal from its version up to `target` (at most kSchemaVersion), every step
// in one write transaction with its new version number. SQLite's result code.
int migrate(Database& db, int target = kSchemaVersion);

}  // namespace rotulano::journal
