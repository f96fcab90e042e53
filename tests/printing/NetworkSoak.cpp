#include "NetworkSoak.h"

#include "AdhesiveJobs.h"

#include <QTemporaryDir>
#include <fstream>
#include <iomanip>
#include <sstream>

#include "config/PortsTable.h"
#include "printing/DestinationSink.h"
#include "printing/MemorySink.h"
#include "printing/PrintEngine.h"
#include "printing/PrintJobMessages.h"
#include "printing/SystemPlatform.h"

namespace rotulano::test {

namespace {

using Clock = std::chrono::steady_clock;

// What the operator reads when the printer may already hold part of a failed row.
const std::string kPartlySent = "a impressora pode ter recebido parte das etiquetas desta linha";
const std::string kRefused = "conexão recusada";
// A row that fails this often without the warning is given up.
constexpr int kMostTries = 200;

std::vector<std::string> sampleItems(const std::string& samplesDir) {
    std::ifstream in(samplesDir + "/PEDIDO.txt", std::ios::binary);
    std::vector<std::string> items;
    std::string line;
    std::getline(in, line);  // the header
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        items.push_back(line);
    }
    return items;
}

// The soak's rows: the sample items that have a layout on the model, over and over, each
// time with another quantity, so that no two rows send the same bytes.
std::vector<printing::JobRow> soakRows(const SoakSettings& settings,
                                       const core::PrinterSettings& printer) {
    std::vector<std::string> items;
    for (const std::string& item : sampleItems(settings.samplesDir)) {
        printing::JobRequest one{{{1, item, 1}}, "004711", printer};
        if (!bytesOfJobRows(one, settings.samplesDir).at(0).empty()) {
            items.push_back(item);
        }
    }
    std::vector<printing::JobRow> rows;
    for (int row = 0; row < settings.rows && !items.empty(); ++row) {
        const auto round = static_cast<std::size_t>(row) / items.size();
        rows.push_back({row + 1, items[static_cast<std::size_t>(row) % items.size()],
                        static_cast<long long>(round) + 1});
    }
    return rows;
}

// Every row the engine reached: when, and what it reported.
class AttemptRecorder : public printing::JobObserver {
  public:
    void rowStarting(int, int, const printing::JobRow&, const core::LabelRequest&) override {
        started_ = Clock::now();
    }
    void rowEnded(const printing::RowReport& report, long long) override {
        SoakAttempt attempt;
        attempt.row = report.row;
        attempt.started = started_;
        attempt.ended = Clock::now();
        attempt.outcome = outcomeOf(report);
        attempt.refused = report.channel.reason == kRefused;
        attempts.push_back(attempt);
    }

    std::vector<SoakAttempt> attempts;

  private:
    static SoakAttempt::Outcome outcomeOf(const printing::RowReport& report) {
        if (report.outcome == printing::RowOutcome::Printed) {
            return SoakAttempt::Outcome::Printed;
        }
        std::string told =
            printing::printJobMessages::channelFailure(report.channel).text.toStdString();
        for (const printing::ChannelWarning& warning : report.channel.warnings) {
            told += '\n' + warning.text;
        }
        return told.find(kPartlySent) != std::string::npos ? SoakAttempt::Outcome::Warned
                                                           : SoakAttempt::Outcome::NotSent;
    }

    Clock::time_point started_;
};

// One click on "Imprimir", with the row each attempt sent.
std::vector<SoakAttempt> printJob(const SoakSettings& settings, const config::PortsTable& ports,
                                  const printing::JobRequest& request) {
    printing::SystemDestinations destinations(settings.stall);
    destinations.setCloseWait(settings.closeWait);
    AttemptRecorder recorder;
    printThroughPorts(ports, request, destinations, settings.samplesDir, recorder);
    // The bytes of each row reached, as the same job sends them.
    printing::JobRequest reached = request;
    reached.rows.resize(recorder.attempts.size());
    const std::vector<std::string> bytes = bytesOfJobRows(reached, settings.samplesDir);
    for (std::size_t i = 0; i < recorder.attempts.size(); ++i) {
        recorder.attempts[i].expected = bytes.at(i);
    }
    return recorder.attempts;
}

}  // namespace

config::PortsTable portsFor(const NetworkPrinter& printer, bool statusCheck) {
    config::PortsTable table;
    std::string message;
    config::PortsTable::parse("[LPT1]\ndestino=" + printer.destination() +
                                  "\nconsultar-estado=" + (statusCheck ? "sim" : "nao") + "\n",
                              "portas.ini", table, message);
    return table;
}

printing::JobReport printThroughPorts(const config::PortsTable& ports,
                                      const printing::JobRequest& request,
                                      printing::SystemDestinations& destinations,
                                      const std::string& logoDir, printing::JobObserver& observer) {
    QTemporaryDir folder;
    printing::SystemPlatform platform;
    printing::ChannelState state;
    state.tempDir = folder.path().toStdString() + "/";
    printing::PrintChannel channel(state, platform);
    printing::PortSink usual(channel);
    printing::DestinationSink sink(usual, channel, ports, destinations);
    printing::PrintEngine engine(sink, logoDir);
    return engine.run(request, observer);
}

SoakRun runNetworkSoak(const SoakSettings& settings) {
    SoakRun run;
    printing::JobRequest request;
    request.orderNumber = "004711";
    request.settings.setModel(settings.model);
    request.settings.setPort(1);
    const std::vector<printing::JobRow> rows = soakRows(settings, request.settings);
    SeededConducts conducts(settings.seed, settings.mix);
    NetworkPrinter printer([&conducts](std::size_t) { return conducts.next(); });
    const config::PortsTable ports = portsFor(printer, false);
    const auto start = Clock::now();
    std::vector<SoakAttempt> attempts;
    std::size_t next = 0;
    int tries = 0;  // of the row that failed last
    std::size_t lastFailed = rows.size();
    while (printer.ready() && next < rows.size()) {
        request.rows.assign(rows.begin() + static_cast<std::ptrdiff_t>(next), rows.end());
        const std::vector<SoakAttempt> job = printJob(settings, ports, request);
        ++run.jobs;
        attempts.insert(attempts.end(), job.begin(), job.end());
        if (job.empty()) {
            break;  // the engine sent nothing: the soak cannot go on
        }
        next += job.size();
        if (job.back().outcome != SoakAttempt::Outcome::NotSent) {
            continue;
        }
        // The operator prints the failed row again with the rest, unless it failed too often.
        --next;
        tries = next == lastFailed ? tries + 1 : 1;
        lastFailed = next;
        if (tries == kMostTries) {
            ++run.givenUp;
            ++next;
        }
        std::this_thread::sleep_for(settings.operatorPause);
    }
    const auto longestWait = settings.mix.longestPause * 2 + settings.mix.longestAway;
    run.settled = printer.settle(settings.closeWait + std::chrono::milliseconds(200),
                                 longestWait + std::chrono::seconds(10));
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const std::vector<ReadConnection> read = printer.connections();
    for (const ReadConnection& connection : read) {
        ++run.conducts[connection.conduct.kind];
    }
    run.tally = tallySoak(attempts, read, static_cast<int>(rows.size()));
    return run;
}

std::string describeSoak(const SoakSettings& settings, const SoakRun& run) {
    std::ostringstream out;
    out << "seed " << settings.seed << ", " << settings.rows << " rows, model " << settings.model
        << "; stall limit " << settings.stall.count() << " ms, close wait "
        << settings.closeWait.count() << " ms, operator pause " << settings.operatorPause.count()
        << " ms\nprinter: receive buffer " << NetworkPrinter::kReceiveBuffer << " B, pauses up to "
        << settings.mix.longestPause.count() << " ms, away up to "
        << settings.mix.longestAway.count() << " ms, cuts up to " << settings.mix.longestCut
        << " B\nconnections by conduct:";
    for (const auto& [kind, count] : run.conducts) {
        out << ' ' << conductName(kind) << ' ' << count << ';';
    }
    out << '\n' << describeTally(run.tally);
    describeLine(out, "jobs", std::to_string(run.jobs));
    describeLine(out, "rows given up", std::to_string(run.givenUp));
    describeLine(out, "printer idle at the end", run.settled ? "yes" : "NO");
    std::ostringstream seconds;
    seconds << std::fixed << std::setprecision(1) << run.seconds << " s";
    describeLine(out, "wall time", seconds.str());
    return out.str();
}

}  // namespace rotulano::test
