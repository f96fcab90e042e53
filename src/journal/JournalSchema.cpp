#include "journal/JournalSchema.h"

#include <string>

namespace rotulano::journal {

namespace {

// Version 1: a job and its rows. Texts are UTF-8; times are the local date and time as
// the operator reads them ("2026-12-10 02:03:04").
const char* const kVersion1 = R"(
CREATE TABLE job (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    started TEXT NOT NULL,
    ended TEXT NOT NULL DEFAULT '',
    program TEXT NOT NULL,
    user_name TEXT NOT NULL,
    order_file TEXT NOT NULL,
    order_number TEXT NOT NULL,
    supplier TEXT NOT NULL,
    order_sha256 TEXT NOT NULL,
    model INTEGER NOT NULL,
    port TEXT NOT NULL,
    destination TEXT NOT NULL
);
CREATE TABLE job_row (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    job_id INTEGER NOT NULL REFERENCES job(id),
    row_number INTEGER NOT NULL,
    item_code TEXT NOT NULL,
    label_type TEXT NOT NULL,
    labels INTEGER NOT NULL,
    state TEXT NOT NULL,
    state_time TEXT NOT NULL
);
)";

// Version 2: whether a row was sent again, and the indexes that answer an order's history
// and a resumed job without reading a year of entries.
const char* const kVersion2 = R"(
ALTER TABLE job_row ADD COLUMN reprint INTEGER NOT NULL DEFAULT 0;
CREATE INDEX job_by_order ON job(order_number);
CREATE INDEX job_by_sha256 ON job(order_sha256);
CREATE INDEX job_row_by_job ON job_row(job_id, row_number);
)";

const char* stepTo(int version) {
    return version == 1 ? kVersion1 : kVersion2;
}

int runStep(Database& db, int version) {
    int code = db.exec("BEGIN IMMEDIATE");
    if (code != SQLITE_OK) {
        return code;
    }
    long long current = 0;
    code = schemaVersion(db, current);
    // Another program may have taken this step while this one waited for the lock.
    if (code == SQLITE_OK && current < version) {
        code = db.exec(stepTo(version));
        if (code == SQLITE_OK) {
            code = db.exec("PRAGMA user_version = " + std::to_string(version));
        }
    }
    if (code != SQLITE_OK) {
        db.exec("ROLLBACK");
        return code;
    }
    return db.exec("COMMIT");
}

}  // namespace

int schemaVersion(Database& db, long long& version) {
    version = 0;
    return db.queryInt("PRAGMA user_version", version);
}

int migrate(Database& db, int target) {
    long long version = 0;
    int code = schemaVersion(db, version);
    for (int next = static_cast<int>(version) + 1; code == SQLITE_OK && next <= target; ++next) {
        code = runStep(db, next);
    }
    return code;
}

}  // namespace rotulano::journal
