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

// Version 3: what the window needs to show an order as the journal knows it. Each row keeps
// the SHA-256 of its order line, so that an amended order (other bytes, same supplier and
// number) can show which of its lines were printed before (rows of older programs have none
// and never match); the operator's answers about rows of an order (possibly printed rows,
// rows of an amended order) are kept, with their time and user, so that each is asked once.
const char* const kVersion3 = R"(
ALTER TABLE job_row ADD COLUMN line_sha256 TEXT NOT NULL DEFAULT '';
CREATE TABLE row_answer (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    order_sha256 TEXT NOT NULL,
    row_number INTEGER NOT NULL,
    question TEXT NOT NULL,
    answer TEXT NOT NULL,
    up_to_row INTEGER NOT NULL,
    answered TEXT NOT NULL,
    user_name TEXT NOT NULL
);
CREATE INDEX row_answer_by_order ON row_answer(order_sha256, row_number);
)";

const char* stepTo(int version) {
    switch (version) {
        case 1:
            return kVersion1;
        case 2:
            return kVersion2;
        default:
            return kVersion3;
    }
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
