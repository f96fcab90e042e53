#include "journal/JournalQuery.h"

namespace rotulano::journal {

namespace {

constexpr std::size_t kOrderNumberDigits = 6;

const char* const kJobColumns =
    "job.id, job.started, job.ended, job.program, job.user_name, job.order_file, "
    "job.order_number, job.supplier, job.order_sha256, job.model, job.port, job.destination";
constexpr int kJobColumnCount = 12;

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

// The filter as SQL conditions on the job table, with the values its parameters take, in
// order from parameter `firstParameter` on. A day ends where the next begins: the
// journal's times ("2026-12-10 23:59:59") sort as text.
struct JobConditions {
    std::string sql;
    std::vector<std::string> values;
};

JobConditions conditionsOf(const HistoryFilter& filter, int firstParameter) {
    JobConditions conditions;
    const auto add = [&](const char* before, const char* after, const std::string& value) {
        const std::size_t parameter =
            static_cast<std::size_t>(firstParameter) + conditions.values.size();
        conditions.sql += (conditions.sql.empty() ? " WHERE " : " AND ") + std::string(before) +
                          "?" + std::to_string(parameter) + after;
        conditions.values.push_back(value);
    };
    if (filter.orderNumber) {
        add("job.order_number = ", "", *filter.orderNumber);
    }
    if (filter.firstDay) {
        add("job.started >= ", "", *filter.firstDay);
    }
    if (filter.lastDay) {
        add("job.started < date(", ", '+1 day')", *filter.lastDay);
    }
    return conditions;
}

void bindConditions(Statement& query, const JobConditions& conditions, int firstParameter) {
    for (std::size_t index = 0; index < conditions.values.size(); ++index) {
        query.bind(firstParameter + static_cast<int>(index), conditions.values[index]);
    }
}

// Runs `query` to its end, handing each result row to `take`.
template <typename Take>
bool eachRow(Statement& query, Take take) {
    int code = query.prepared();
    while (code == SQLITE_OK && (code = query.step()) == SQLITE_ROW) {
        take(query);
        code = SQLITE_OK;
    }
    return code == SQLITE_DONE;
}

JobSummary summaryOf(const Statement& row) {
    JobSummary summary;
    summary.job = jobOf(row);
    summary.rows = row.integer(kJobColumnCount);
    summary.labels = row.integer(kJobColumnCount + 1);
    summary.printed = row.integer(kJobColumnCount + 2);
    summary.notSent = row.integer(kJobColumnCount + 3);
    summary.maybePartly = row.integer(kJobColumnCount + 4);
    // A word this program does not know reads as "sending", as stateOfWord has it.
    summary.sending = summary.rows - summary.printed - summary.notSent - summary.maybePartly;
    return summary;
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

std::string keptOrderNumber(const std::string& typed) {
    if (typed.size() >= kOrderNumberDigits) {
        return typed;
    }
    return std::string(kOrderNumberDigits - typed.size(), '0') + typed;
}

// The state words are parameters 1 to 3; the filter's values follow.
bool listJobs(Database& db, const HistoryFilter& filter, std::vector<JobSummary>& jobs) {
    const JobConditions conditions = conditionsOf(filter, 4);
    Statement query(db, std::string("SELECT ") + kJobColumns +
                            ", count(job_row.id), coalesce(sum(job_row.labels), 0), "
                            "count(CASE job_row.state WHEN ?1 THEN 1 END), "
                            "count(CASE job_row.state WHEN ?2 THEN 1 END), "
                            "count(CASE job_row.state WHEN ?3 THEN 1 END) "
                            "FROM job LEFT JOIN job_row ON job_row.job_id = job.id" +
                            conditions.sql + " GROUP BY job.id ORDER BY job.id DESC");
    query.bind(1, std::string(stateWord(RowState::Printed)));
    query.bind(2, std::string(stateWord(RowState::NotSent)));
    query.bind(3, std::string(stateWord(RowState::MaybePartly)));
    bindConditions(query, conditions, 4);
    return eachRow(query, [&jobs](const Statement& row) { jobs.push_back(summaryOf(row)); });
}

bool readJobRows(Database& db, HistoryJob& job) {
    Statement query(db,
                    "SELECT row_number, item_code, label_type, labels, state, state_time, "
                    "reprint FROM job_row WHERE job_id = ?1 ORDER BY id");
    query.bind(1, job.id);
    job.rows.clear();
    return eachRow(query, [&job](const Statement& row) {
        job.rows.push_back({static_cast<int>(row.integer(0)), row.text(1), row.text(2),
                            row.integer(3), stateOfWord(row.text(4)), row.text(5),
                            row.integer(6) != 0});
    });
}

bool readHistory(Database& db, const HistoryFilter& filter, std::vector<HistoryJob>& jobs) {
    const JobConditions conditions = conditionsOf(filter, 1);
    Statement query(db, std::string("SELECT ") + kJobColumns + " FROM job" + conditions.sql +
                            " ORDER BY job.id DESC");
    bindConditions(query, conditions, 1);
    if (!eachRow(query, [&jobs](const Statement& row) { jobs.push_back(jobOf(row)); })) {
        return false;
    }
    for (HistoryJob& job : jobs) {
        if (!readJobRows(db, job)) {
            return false;
        }
    }
    return true;
}

bool readHistory(Database& db, const std::optional<std::string>& orderNumber,
                 std::vector<HistoryJob>& jobs) {
    HistoryFilter filter;
    filter.orderNumber = orderNumber;
    return readHistory(db, filter, jobs);
}

}  // namespace rotulano::journal
