#include "journal/JournalQuery.h"

namespace rotulano::journal {

namespace {

RowState combined(RowState known, RowState entry) {
    if (known == RowState::Printed || entry == RowState::Printed) {
        return RowState::Printed;
    }
    if (known == RowState::NotSent) {
        return entry;
    }
    return known;
}

HistoryJob jobOf(const Statement& query) {
    HistoryJob job;
    job.id = query.integer(0);
    job.started = query.text(1);
    job.ended = query.text(2);
    job.entry.program = query.text(3);
    job.entry.user = query.text(4);
    job.entry.orderFile = query.text(5);
    job.entry.orderNumber = query.text(6);
    job.entry.supplier = query.text(7);
    job.entry.orderSha256 = query.text(8);
    job.entry.model = static_cast<int>(query.integer(9));
    job.entry.port = query.text(10);
    job.entry.destination = query.text(11);
    return job;
}

bool readRows(Database& db, HistoryJob& job) {
    Statement query(db,
                    "SELECT row_number, item_code, label_type, labels, state, state_time, "
                    "reprint FROM job_row WHERE job_id = ?1 ORDER BY id");
    query.bind(1, job.id);
    int code = query.prepared();
    while (code == SQLITE_OK && (code = query.step()) == SQLITE_ROW) {
        job.rows.push_back({static_cast<int>(query.integer(0)), query.text(1), query.text(2),
                            query.integer(3), stateOfWord(query.text(4)), query.text(5),
                            query.integer(6) != 0});
        code = SQLITE_OK;
    }
    return code == SQLITE_DONE;
}

}  // namespace

bool rowsOfOrder(Database& db, const std::string& orderSha256, std::map<int, RowState>& rows) {
    Statement query(db,
                    "SELECT job_row.row_number, job_row.state FROM job JOIN job_row ON "
                    "job_row.job_id = job.id WHERE job.order_sha256 = ?1");
    query.bind(1, orderSha256);
    int code = query.prepared();
    while (code == SQLITE_OK && (code = query.step()) == SQLITE_ROW) {
        const int row = static_cast<int>(query.integer(0));
        const RowState state = stateOfWord(query.text(1));
        const auto known = rows.find(row);
        rows[row] = known == rows.end() ? state : combined(known->second, state);
        code = SQLITE_OK;
    }
    return code == SQLITE_DONE;
}

bool readHistory(Database& db, const std::optional<std::string>& orderNumber,
                 std::vector<HistoryJob>& jobs) {
    std::string sql =
        "SELECT id, started, ended, program, user_name, order_file, order_number, supplier, "
        "order_sha256, model, port, destination FROM job";
    if (orderNumber) {
        sql += " WHERE order_number = ?1";
    }
    Statement query(db, sql + " ORDER BY id DESC");
    if (orderNumber) {
        query.bind(1, *orderNumber);
    }
    int code = query.prepared();
    while (code == SQLITE_OK && (code = query.step()) == SQLITE_ROW) {
        jobs.push_back(jobOf(query));
        code = SQLITE_OK;
    }
    if (code != SQLITE_DONE) {
        return false;
    }
    for (HistoryJob& job : jobs) {
        if (!readRows(db, job)) {
            return false;
        }
    }
    return true;
}

}  // namespace rotulano::journal
