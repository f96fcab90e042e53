// The print journal's cost.
//
// BM_JournalPerRow: a job of 999 rows written to a journal on the working folder's disk as
// the print job writes it (each row's "sending" entry with the previous row's outcome);
// `ms_per_row` (target: under 2 ms). The syncs per row (target: 1) are counted from outside:
//   strace -f -c -e trace=fsync,fdatasync JournalBench --benchmark_filter=BM_JournalPerRow
// and compared with the 999 rows (the job's start and end and the journal's set-up add a
// few).
//
// BM_JobAtLineSpeedJournal: BM_JobAtLineSpeed's job (rows 1-50, Zebra, logo once, a printer
// reading 960 B/s) with and without the journal (argument: 1 on, 0 off); compare
// `job_seconds` (target: under 1% more with it on). BM_JobAtFullSpeedJournal: 999 rows to a
// printer reading as fast as it can; `rows_per_second`.
//
// BM_JournalYearHistory: one order's history out of a journal of a year (1,000,000 rows in
// 20,000 jobs of 50 rows, made once in the working folder as bench-diario-ano.db); target
// under 50 ms.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <chrono>

#include "BenchSupport.h"
#include "NetworkPrinter.h"
#include "NetworkSoak.h"
#include "core/FixedRecord.h"
#include "journal/Journal.h"
#include "journal/JournalQuery.h"
#include "journal/JournalRecorder.h"
#include "printing/DestinationSink.h"
#include "printing/PortSink.h"
#include "printing/PrintChannel.h"
#include "printing/PrintEngine.h"
#include "printing/SystemDestinations.h"
#include "printing/SystemPlatform.h"

namespace {

using namespace rotulano;
using Clock = std::chrono::steady_clock;

void BM_JournalPerRow(benchmark::State& state) {
    constexpr int kRows = 999;
    double seconds = 0;
    for (auto _ : state) {
        QTemporaryDir folder(QStringLiteral("bench-diario-XXXXXX"));
        journal::Journal journal;
        if (!journal.open(folder.filePath(QStringLiteral("rotulano-diario.db")).toStdString())) {
            state.SkipWithError(journal.message().c_str());
            return;
        }
        long long job = 0;
        long long row = 0;
        journal.startJob({"rotulano-render", "bench", "PEDIDO.txt", "004711", "S", "ab", 5, "LPT1",
                          "tcp://127.0.0.1:9100"},
                         job);
        const auto start = Clock::now();
        journal::RowOutcomeEntry previous;
        for (int number = 1; number <= kRows; ++number) {
            journal.rowSending(job, {number, "1234567890", "1", 2, false},
                               number == 1 ? nullptr : &previous, row);
            previous = {row, journal::RowState::Printed};
        }
        journal.endJob(job, {previous});
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    const double rows = static_cast<double>(state.iterations()) * kRows;
    state.counters["ms_per_row"] = seconds * 1000 / rows;
}
BENCHMARK(BM_JournalPerRow)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The job as the window runs it, to LPT1 whose entry is the printer, the journal on or off.
double printTo(test::NetworkPrinter& printer, const printing::JobRequest& request, bool withJournal,
               std::size_t& printed) {
    QTemporaryDir folder;
    QTemporaryDir journalFolder(QStringLiteral("bench-diario-XXXXXX"));
    journal::Journal journal;
    journal.open(journalFolder.filePath(QStringLiteral("rotulano-diario.db")).toStdString());
    journal::JournalRecorder recorder(journal, {}, {}, [](const std::string&) {});
    printing::SystemDestinations destinations;
    printing::SystemPlatform platform;
    printing::ChannelState channelState;
    channelState.tempDir = folder.path().toStdString() + "/";
    printing::PrintChannel channel(channelState, platform);
    printing::PortSink usual(channel);
    const config::PortsTable ports = test::portsFor(printer, false);
    printing::DestinationSink sink(usual, channel, ports, destinations);
    printing::PrintEngine engine(sink, ROTULANO_SAMPLES);
    engine.setRecorder(withJournal ? &recorder : nullptr);
    printing::JobObserver observer;
    const auto start = Clock::now();
    const printing::JobReport report = engine.run(request, observer);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    printed = bench::rowsPrinted(report);
    printer.settle(std::chrono::milliseconds(500), std::chrono::minutes(3));
    return seconds;
}

void runJob(benchmark::State& state, const test::Conduct& conduct, int rows) {
    const printing::JobRequest request = bench::fullOrderRows(rows);
    test::NetworkPrinter printer([conduct](std::size_t) { return conduct; });
    if (!printer.ready()) {
        state.SkipWithError("no port on 127.0.0.1");
        return;
    }
    double seconds = 0;
    std::size_t printed = 0;
    for (auto _ : state) {
        seconds = printTo(printer, request, state.range(0) != 0, printed);
    }
    state.counters["job_seconds"] = seconds;
    state.counters["rows_per_second"] = seconds > 0 ? rows / seconds : 0;
    state.counters["rows_printed"] = static_cast<double>(printed);
}

void BM_JobAtLineSpeedJournal(benchmark::State& state) {
    runJob(state, test::Conduct::slowRead(10, std::chrono::microseconds(10400)), 50);
}
BENCHMARK(BM_JobAtLineSpeedJournal)
    ->ArgName("journal")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

void BM_JobAtFullSpeedJournal(benchmark::State& state) {
    runJob(state, test::Conduct{}, 999);
}
BENCHMARK(BM_JobAtFullSpeedJournal)
    ->ArgName("journal")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// A year of jobs: 20,000 jobs of 50 rows, orders numbered 1 to 5,000 (four jobs each).
bool makeYear(const std::string& path) {
    journal::Journal journal;
    if (!journal.open(path)) {
        return false;
    }
    long long jobs = 0;
    journal.database().queryInt("SELECT count(*) FROM job", jobs);
    if (jobs == 20000) {
        return true;
    }
    journal::Database& db = journal.database();
    db.exec("BEGIN IMMEDIATE");
    journal::Statement job(db,
                           "INSERT INTO job (started, ended, program, user_name, order_file, "
                           "order_number, supplier, order_sha256, model, port, destination) "
                           "VALUES ('2026-01-01 08:00:00', '2026-01-01 08:01:00', 'janela', "
                           "'ana', 'PEDIDO.txt', ?1, 'FORNECEDOR', ?2, 5, 'LPT1', '/dev/lp0')");
    journal::Statement row(db,
                           "INSERT INTO job_row (job_id, row_number, item_code, label_type, "
                           "labels, state, state_time) VALUES (?1, ?2, '1234567890', '1', 2, "
                           "'impressa', '2026-01-01 08:00:30')");
    for (int number = 0; number < 20000; ++number) {
        const std::string order = core::zeroPadded(number % 5000 + 1, 6);
        job.reset();
        job.bind(1, order);
        job.bind(2, "sha" + order);
        job.step();
        const long long id = sqlite3_last_insert_rowid(db.handle());
        for (int line = 1; line <= 50; ++line) {
            row.reset();
            row.bind(1, id);
            row.bind(2, static_cast<long long>(line));
            row.step();
        }
    }
    return db.exec("COMMIT") == SQLITE_OK;
}

void BM_JournalYearHistory(benchmark::State& state) {
    const std::string path = "bench-diario-ano.db";
    if (!makeYear(path)) {
        state.SkipWithError("the year's journal could not be made");
        return;
    }
    journal::Journal journal;
    journal.openForReading(path);
    std::size_t rows = 0;
    for (auto _ : state) {
        std::vector<journal::HistoryJob> jobs;
        journal::readHistory(journal.database(), std::string("002500"), jobs);
        rows = 0;
        for (const journal::HistoryJob& job : jobs) {
            rows += job.rows.size();
        }
        benchmark::DoNotOptimize(jobs);
    }
    state.counters["rows_answered"] = static_cast<double>(rows);
}
BENCHMARK(BM_JournalYearHistory)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
