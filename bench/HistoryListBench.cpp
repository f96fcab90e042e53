// The History window's list of jobs out of a journal of a year: 1,000,000 rows in 20,000
// jobs of 50 rows, about 55 jobs a day through 2026, orders numbered 1 to 5,000 (four jobs
// each). Made once in the working folder as bench-historico-ano.db. The list sums each
// job's rows in the database and reads no row.
//
// BM_HistoryListOrder: one order's jobs (the order filter); target under 50 ms.
// BM_HistoryListDays/N: the jobs of N days (the date filter; 1, 7 and 31 days); target
// under 50 ms.
// BM_HistoryListYear: every job, no filter; reported, no target.
// BM_HistoryJobRows: the rows of one job, as a job opens.
// BM_HistoryCsvWeek: "Exportar CSV" of a week's jobs with their rows (file not written).
#include <benchmark/benchmark.h>

#include <QDate>

#include "core/FixedRecord.h"
#include "journal/HistoryText.h"
#include "journal/Journal.h"
#include "journal/JournalQuery.h"

namespace {

using namespace rotulano;

constexpr int kJobs = 20000;
constexpr int kRowsPerJob = 50;
constexpr int kOrders = 5000;
const char* const kYearFile = "bench-historico-ano.db";

std::string startOf(int job) {
    const QDate day = QDate(2026, 1, 1).addDays(static_cast<long long>(job) * 365 / kJobs);
    const int minutes = 8 * 60 + (job % 55) * 10;
    return day.toString(Qt::ISODate).toStdString() + " " + core::zeroPadded(minutes / 60, 2) + ":" +
           core::zeroPadded(minutes % 60, 2) + ":00";
}

bool insertYear(journal::Database& db) {
    journal::Statement job(db,
                           "INSERT INTO job (started, ended, program, user_name, order_file, "
                           "order_number, supplier, order_sha256, model, port, destination) "
                           "VALUES (?1, ?1, 'janela', 'ana', 'PEDIDO.txt', ?2, 'FORNECEDOR', "
                           "?3, 5, 'LPT1', 'tcp://10.0.0.5:9100')");
    journal::Statement row(db,
                           "INSERT INTO job_row (job_id, row_number, item_code, label_type, "
                           "labels, state, state_time) VALUES (?1, ?2, '1234567890', '1', 2, "
                           "?3, ?4)");
    for (int number = 0; number < kJobs; ++number) {
        const std::string order = core::zeroPadded(number % kOrders + 1, 6);
        const std::string started = startOf(number);
        job.reset();
        job.bind(1, started);
        job.bind(2, order);
        job.bind(3, "sha" + order);
        if (job.step() != SQLITE_DONE) {
            return false;
        }
        const long long id = sqlite3_last_insert_rowid(db.handle());
        for (int line = 1; line <= kRowsPerJob; ++line) {
            row.reset();
            row.bind(1, id);
            row.bind(2, static_cast<long long>(line));
            // Now and then a row the printer may hold in part, as a year brings.
            const bool uncertain = number % 97 == 0 && line == kRowsPerJob;
            row.bind(3, std::string(journal::stateWord(uncertain ? journal::RowState::MaybePartly
                                                                 : journal::RowState::Printed)));
            row.bind(4, started);
            if (row.step() != SQLITE_DONE) {
                return false;
            }
        }
    }
    return true;
}

bool makeYear() {
    journal::Journal journal;
    if (!journal.open(kYearFile)) {
        return false;
    }
    long long rows = 0;
    journal.database().queryInt("SELECT count(*) FROM job_row", rows);
    if (rows == static_cast<long long>(kJobs) * kRowsPerJob) {
        return true;
    }
    journal::Database& db = journal.database();
    if (rows != 0 || db.exec("BEGIN IMMEDIATE") != SQLITE_OK) {
        return false;  // a year cut short is deleted by hand
    }
    return insertYear(db) && db.exec("COMMIT") == SQLITE_OK;
}

// Lists the jobs `filter` keeps, once per iteration; `jobs_listed` counts them.
void listWith(benchmark::State& state, const journal::HistoryFilter& filter) {
    if (!makeYear()) {
        state.SkipWithError("the year's journal could not be made");
        return;
    }
    journal::Journal journal;
    if (!journal.openForReading(kYearFile)) {
        state.SkipWithError(journal.message().c_str());
        return;
    }
    std::size_t listed = 0;
    for (auto _ : state) {
        std::vector<journal::JobSummary> jobs;
        if (!journal::listJobs(journal.database(), filter, jobs)) {
            state.SkipWithError("the list could not be read");
            return;
        }
        listed = jobs.size();
        benchmark::DoNotOptimize(jobs);
    }
    state.counters["jobs_listed"] = static_cast<double>(listed);
}

void BM_HistoryListOrder(benchmark::State& state) {
    journal::HistoryFilter filter;
    filter.orderNumber = "002500";
    listWith(state, filter);
}
BENCHMARK(BM_HistoryListOrder)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HistoryListDays(benchmark::State& state) {
    const QDate first(2026, 6, 1);
    journal::HistoryFilter filter;
    filter.firstDay = first.toString(Qt::ISODate).toStdString();
    filter.lastDay = first.addDays(state.range(0) - 1).toString(Qt::ISODate).toStdString();
    listWith(state, filter);
}
BENCHMARK(BM_HistoryListDays)
    ->ArgName("days")
    ->Arg(1)
    ->Arg(7)
    ->Arg(31)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_HistoryListYear(benchmark::State& state) {
    listWith(state, {});
}
BENCHMARK(BM_HistoryListYear)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HistoryJobRows(benchmark::State& state) {
    if (!makeYear()) {
        state.SkipWithError("the year's journal could not be made");
        return;
    }
    journal::Journal journal;
    journal.openForReading(kYearFile);
    for (auto _ : state) {
        journal::HistoryJob job;
        job.id = kJobs / 2;
        journal::readJobRows(journal.database(), job);
        benchmark::DoNotOptimize(job);
    }
}
BENCHMARK(BM_HistoryJobRows)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HistoryCsvWeek(benchmark::State& state) {
    if (!makeYear()) {
        state.SkipWithError("the year's journal could not be made");
        return;
    }
    journal::Journal journal;
    journal.openForReading(kYearFile);
    journal::HistoryFilter filter;
    filter.firstDay = "2026-06-01";
    filter.lastDay = "2026-06-07";
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::vector<journal::HistoryJob> jobs;
        journal::readHistory(journal.database(), filter, jobs);
        bytes = journal::historyCsv(jobs).size();
    }
    state.counters["csv_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_HistoryCsvWeek)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
