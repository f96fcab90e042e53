// A print job to a network printer, with the system's own limits, measured against what
// the printer can take.
//
// BM_JobAtLineSpeed: rows 1-50 of the sample order grown to a full order (its 14 items
// over and over, as the other benchmarks print it), Zebra model, the logo once, to a printer
// that reads at most 10 bytes every 10.4 ms (960 B/s, a 9600-baud line) and closes as
// soon as it reads the end of stream. `wall_over_wire` is the job's wall time over the
// time the printer's bytes take on such a line (target: at most 1.05 with the status
// check off, 1.10 with it on). A job that did not print every row says so in its label.
//
// BM_JobAtFullSpeed: the 999 rows of the full order to a printer that reads as fast as
// it can; `rows_per_second`.
//
// The argument is the status check: 0 off, 1 on (the printer answers "~HS").
#include <benchmark/benchmark.h>

#include <chrono>

#include "BenchSupport.h"
#include "NetworkPrinter.h"
#include "NetworkSoak.h"
#include "PrinterSimulator.h"
#include "printing/PrintEngine.h"

namespace {

using namespace rotulano;
using Clock = std::chrono::steady_clock;

constexpr double kLineBytesPerSecond = 960;

struct JobTimes {
    printing::JobReport report;
    double seconds = 0;
    std::size_t bytesRead = 0;
};

// The job as the window runs it, to LPT1 whose entry is the printer, with the system's
// own limits; the bytes the printer read once it is idle again.
JobTimes printTo(test::NetworkPrinter& printer, const printing::JobRequest& request,
                 bool statusCheck) {
    printing::SystemDestinations destinations;
    printing::JobObserver observer;
    JobTimes times;
    const auto start = Clock::now();
    times.report = test::printThroughPorts(test::portsFor(printer, statusCheck), request,
                                           destinations, ROTULANO_SAMPLES, observer);
    times.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    printer.settle(std::chrono::milliseconds(500), std::chrono::minutes(3));
    times.bytesRead = printer.bytesRead();
    return times;
}

void reportJob(benchmark::State& state, const JobTimes& times, std::size_t rows) {
    const std::size_t printed = bench::rowsPrinted(times.report);
    state.counters["rows_printed"] = static_cast<double>(printed);
    state.counters["job_seconds"] = times.seconds;
    state.counters["bytes_read"] = static_cast<double>(times.bytesRead);
    if (printed != rows) {
        state.SetLabel("the job ended after " + std::to_string(printed) + " of " +
                       std::to_string(rows) + " rows");
    }
}

// Runs the job to a printer that does `conduct` with every connection and answers the
// ZPL status query.
JobTimes runJob(benchmark::State& state, const test::Conduct& conduct, int rows) {
    const bool statusCheck = state.range(0) != 0;
    const printing::JobRequest request = bench::fullOrderRows(rows);
    test::NetworkPrinter printer([conduct](std::size_t) { return conduct; });
    printer.answerStatus(test::PrinterSimulator::queryOf(true),
                         test::PrinterSimulator::zplAnswer());
    JobTimes times;
    if (!printer.ready()) {
        state.SkipWithError("no port on 127.0.0.1");
        return times;
    }
    for (auto _ : state) {
        times = printTo(printer, request, statusCheck);
    }
    reportJob(state, times, request.rows.size());
    return times;
}

void BM_JobAtLineSpeed(benchmark::State& state) {
    const JobTimes times =
        runJob(state, test::Conduct::slowRead(10, std::chrono::microseconds(10400)), 50);
    const double wire = static_cast<double>(times.bytesRead) / kLineBytesPerSecond;
    state.counters["wire_seconds"] = wire;
    state.counters["wall_over_wire"] = wire > 0 ? times.seconds / wire : 0;
}
BENCHMARK(BM_JobAtLineSpeed)
    ->ArgName("status_check")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

void BM_JobAtFullSpeed(benchmark::State& state) {
    constexpr int kRows = 999;
    const JobTimes times = runJob(state, test::Conduct{}, kRows);
    state.counters["rows_per_second"] = times.seconds > 0 ? kRows / times.seconds : 0;
}
BENCHMARK(BM_JobAtFullSpeed)
    ->ArgName("status_check")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
