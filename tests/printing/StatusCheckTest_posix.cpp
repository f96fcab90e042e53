#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <thread>

#include "AdhesiveJobs.h"
#include "PrinterSimulator.h"
#include "StatusCheckedSink.h"
#include "config/PortsTable.h"
#include "printing/DestinationSink.h"
#include "printing/PrintEngine.h"
#include "printing/PrinterStatusMessages.h"

// The printer asked before each row, against a simulated printer on a network connection
// and on a terminal line: a fault stops the job before any label byte with its message,
// the operator's choice decides what follows, and the labels that do go out are exactly
// those of a job without the check.
namespace rotulano::test {
namespace {

using printing::JobEnd;
using printing::RowOutcome;
using printing::StatusChoice;
using Line = PrinterSimulator::Line;

constexpr int kZebra = 5;    // ZPL
constexpr int kDatamax = 1;  // DPL
constexpr std::chrono::milliseconds kStall{600};
constexpr std::chrono::milliseconds kWait{300};

// Answers each printer that is not ready with the next queued choice, keeping the messages.
class ChoosingObserver : public printing::JobObserver {
  public:
    StatusChoice printerNotReady(const printing::StatusCheck& check) override {
        messages.push_back(printing::printerStatusMessages::text(check));
        if (choices.empty()) {
            return StatusChoice::Cancel;
        }
        const StatusChoice choice = choices.front();
        choices.erase(choices.begin());
        return choice;
    }

    std::vector<StatusChoice> choices;
    std::vector<std::string> messages;
};

// True when `received` is the query, once or more, and nothing else.
bool onlyQueries(const std::string& received, const std::string& query) {
    if (received.empty() || received.size() % query.size() != 0) {
        return false;
    }
    for (std::size_t at = 0; at < received.size(); at += query.size()) {
        if (received.compare(at, query.size(), query) != 0) {
            return false;
        }
    }
    return true;
}

// The ports file `text` read into `ports`; on a fault, the parser's message.
::testing::AssertionResult parsePorts(const std::string& text, config::PortsTable& ports) {
    std::string message;
    if (config::PortsTable::parse(text, "portas.ini", ports, message)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << message;
}

}  // namespace

class StatusCheckTest : public ::testing::Test {
  protected:
    printing::JobReport run(const printing::JobRequest& request, const PrinterSimulator& printer,
                            const std::string& check = "sim") {
        config::PortsTable ports;
        EXPECT_TRUE(parsePorts(
            "[LPT1]\ndestino=" + printer.destination() + "\nconsultar-estado=" + check + "\n",
            ports));
        StatusCheckedSink job(ports, dir_.path().toStdString(), kStall, kWait);
        return printing::PrintEngine(job.sink).run(request, observer_);
    }

    // "A impressora da porta LPT1 (DESTINATION) " and the rest.
    static std::string aboutPrinter(const PrinterSimulator& printer, const std::string& rest) {
        return "A impressora da porta LPT1 (" + printer.destination() + ") " + rest;
    }

    QTemporaryDir dir_;
    ChoosingObserver observer_;
};

struct FaultCase {
    const char* name;
    Line line;
    bool zpl;
    std::string answer;
    const char* message;
};

class PrinterFaultTest : public StatusCheckTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(PrinterFaultTest, FaultStopsTheJobWithItsMessageAndOnlyTheQueryWasSent) {
    PrinterSimulator printer(GetParam().line, GetParam().zpl);
    ASSERT_TRUE(printer.ready());
    printer.answerAlways(GetParam().answer);
    const printing::JobReport report =
        run(adhesives(2, 1, GetParam().zpl ? kZebra : kDatamax), printer);
    EXPECT_EQ(report.end, JobEnd::PrinterNotReady);
    EXPECT_TRUE(report.rows.empty());
    EXPECT_EQ(observer_.messages,
              std::vector<std::string>{aboutPrinter(printer, GetParam().message)});
    EXPECT_EQ(printing::printerStatusMessages::text(report.status), observer_.messages[0]);
    // A buffer that stays full is asked again until the stall limit: queries only.
    const std::string received = printer.received(printer.query().size());
    EXPECT_TRUE(onlyQueries(received, printer.query())) << received;
}

INSTANTIATE_TEST_SUITE_P(
    Flags, PrinterFaultTest,
    ::testing::Values(
        FaultCase{"ZplPaperOut", Line::Tcp, true, PrinterSimulator::zplAnswer("papel"),
                  "está sem etiquetas ou com falha no papel."},
        FaultCase{"ZplPaused", Line::Tcp, true, PrinterSimulator::zplAnswer("pausa"),
                  "está em pausa."},
        FaultCase{"ZplHeadOpen", Line::Tcp, true, PrinterSimulator::zplAnswer("cabeca"),
                  "está com a cabeça de impressão aberta."},
        FaultCase{"ZplRibbonOutInThermalTransfer", Line::Tcp, true,
                  PrinterSimulator::zplAnswer("fita"), "está sem fita ou com falha na fita."},
        FaultCase{"ZplBufferThatStaysFull", Line::Tcp, true, PrinterSimulator::zplAnswer("memoria"),
                  "está com a memória de recepção cheia (ainda recebendo um trabalho "
                  "anterior)."},
        FaultCase{"ZplPaperOutOnALine", Line::Pty, true, PrinterSimulator::zplAnswer("papel"),
                  "está sem etiquetas ou com falha no papel."},
        FaultCase{"DplPaperOut", Line::Pty, false, PrinterSimulator::dplAnswer("NYNNNNNN"),
                  "está sem etiquetas ou com falha no papel."},
        FaultCase{"DplRibbonOut", Line::Pty, false, PrinterSimulator::dplAnswer("NNYNNNNN"),
                  "está sem fita ou com falha na fita."},
        FaultCase{"DplPaused", Line::Pty, false, PrinterSimulator::dplAnswer("NNNNNYNN"),
                  "está em pausa."},
        FaultCase{"DplLongerAnswerReadUpToTheCr", Line::Pty, false,
                  PrinterSimulator::dplAnswer("NNNNNYNNYNNN0042"), "está em pausa."},
        FaultCase{"DplOnTheNetwork", Line::Tcp, false, PrinterSimulator::dplAnswer("NYNNNNNN"),
                  "está sem etiquetas ou com falha no papel."},
        FaultCase{"ZplGarbled", Line::Tcp, true, "\x02OK\x03\x02OK\x03\x02OK\x03",
                  "deu uma resposta não reconhecida à consulta de estado. Confira se o modelo "
                  "de impressora da configuração é o dela."},
        FaultCase{"DplSilent", Line::Pty, false, "",
                  "não respondeu à consulta de estado (sem resposta em 0,3 s). Ela pode estar "
                  "desligada, sem etiquetas, sem fita ou com a cabeça de impressão aberta "
                  "(alguns modelos não respondem nesses casos), ou ligada por um cabo ou "
                  "servidor de impressão que só recebe dados."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StatusCheckTest, ZplBufferFullThatClearsPrints) {
    PrinterSimulator printer(Line::Tcp, true);
    ASSERT_TRUE(printer.ready());
    printer.answerNext(PrinterSimulator::zplAnswer("memoria"));
    const printing::JobRequest request = adhesives(1, 1, kZebra);
    const printing::JobReport report = run(request, printer);
    EXPECT_EQ(report.end, JobEnd::Normal);
    EXPECT_TRUE(observer_.messages.empty());
    EXPECT_EQ(printer.received(0), "~HS~HS" + bytesOfEachRow(request)[0]);
}

struct HealthyCase {
    const char* name;
    Line line;
    bool zpl;
};

class HealthyPrinterTest : public StatusCheckTest,
                           public ::testing::WithParamInterface<HealthyCase> {};

TEST_P(HealthyPrinterTest, QueryOnceBeforeEachRowAndTheExactLabelBytes) {
    PrinterSimulator printer(GetParam().line, GetParam().zpl);
    ASSERT_TRUE(printer.ready());
    const printing::JobRequest request = adhesives(3, 1, GetParam().zpl ? kZebra : kDatamax);
    const printing::JobReport report = run(request, printer);
    EXPECT_EQ(report.end, JobEnd::Normal);
    EXPECT_TRUE(observer_.messages.empty());
    const std::vector<std::string> rows = bytesOfEachRow(request);
    const std::string q = printer.query();
    const std::string expected = q + rows[0] + q + rows[1] + q + rows[2];
    EXPECT_EQ(printer.received(expected.size()), expected);
    EXPECT_EQ(printer.queries(), 3);
}

INSTANTIATE_TEST_SUITE_P(Lines, HealthyPrinterTest,
                         ::testing::Values(HealthyCase{"ZplNetwork", Line::Tcp, true},
                                           HealthyCase{"DplNetwork", Line::Tcp, false},
                                           HealthyCase{"ZplTerminal", Line::Pty, true},
                                           HealthyCase{"DplTerminal", Line::Pty, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The printer reads at 960 bytes/s (a 9600-baud line behind it) and handles one connection
// after the other: each status query is asked once the row before is confirmed, so it never
// waits behind that row's bytes.
TEST_F(StatusCheckTest, ASlowPrinterStillTakingARowIsNeverCalledSilentAndPrintsTheWholeJob) {
    PrinterSimulator printer(Line::Tcp, true);
    ASSERT_TRUE(printer.ready());
    printer.readSlowly(960);
    const printing::JobRequest request = adhesives(3, 1, kZebra);
    const printing::JobReport report = run(request, printer);
    EXPECT_EQ(report.end, JobEnd::Normal);
    EXPECT_TRUE(observer_.messages.empty()) << observer_.messages.front();
    const std::vector<std::string> rows = bytesOfEachRow(request);
    const std::string q = printer.query();
    const std::string expected = q + rows[0] + q + rows[1] + q + rows[2];
    EXPECT_EQ(printer.received(expected.size()), expected);
    EXPECT_EQ(printer.queries(), 3);
}

TEST_F(StatusCheckTest, StaleAnswerWaitingOnTheLineIsThrownAway) {
    PrinterSimulator printer(Line::Pty, false);
    ASSERT_TRUE(printer.ready());
    printer.sendNow(PrinterSimulator::dplAnswer("NYYNNYNN"));
    const printing::JobRequest request = adhesives(1, 1, kDatamax);
    EXPECT_EQ(run(request, printer).end, JobEnd::Normal);
    EXPECT_TRUE(observer_.messages.empty());
    EXPECT_EQ(printer.received(0), printer.query() + bytesOfEachRow(request)[0]);
}

TEST_F(StatusCheckTest, PortWhoseCheckIsOffIsNeverAsked) {
    PrinterSimulator printer(Line::Tcp, true);
    ASSERT_TRUE(printer.ready());
    printer.answerAlways(PrinterSimulator::zplAnswer("papel"));
    const printing::JobRequest request = adhesives(2, 1, kZebra);
    EXPECT_EQ(run(request, printer, "nao").end, JobEnd::Normal);
    const std::vector<std::string> rows = bytesOfEachRow(request);
    EXPECT_EQ(printer.received(rows[0].size() + rows[1].size()), rows[0] + rows[1]);
    EXPECT_EQ(printer.queries(), 0);
    EXPECT_TRUE(observer_.messages.empty());
}

struct ChoiceCase {
    const char* name;
    std::string answer;
};

class NotReadyChoiceTest : public StatusCheckTest,
                           public ::testing::WithParamInterface<ChoiceCase> {};

// A printer that answers is still asked before the next row, but the state the operator
// accepted does not ask again; a silent one is not asked again in the job.
TEST_P(NotReadyChoiceTest, PrintAnywayPrintsEveryRowInTheAcceptedState) {
    PrinterSimulator printer(Line::Tcp, true);
    ASSERT_TRUE(printer.ready());
    printer.answerAlways(GetParam().answer);
    observer_.choices = {StatusChoice::PrintAnyway};
    const printing::JobRequest request = adhesives(2, 1, kZebra);
    const printing::JobReport report = run(request, printer);
    EXPECT_EQ(report.end, JobEnd::Normal);
    EXPECT_EQ(observer_.messages.size(), 1U);
    const std::vector<std::string> rows = bytesOfEachRow(request);
    const std::string between = GetParam().answer.empty() ? "" : "~HS";
    const std::string expected = "~HS" + rows[0] + between + rows[1];
    EXPECT_EQ(printer.received(expected.size()), expected);
}

TEST_P(NotReadyChoiceTest, TryAgainAsksAgainAndPrintsOnceTheAnswerIsHealthy) {
    PrinterSimulator printer(Line::Tcp, true);
    ASSERT_TRUE(printer.ready());
    printer.answerNext(GetParam().answer);
    printer.answerNext(GetParam().answer);
    observer_.choices = {StatusChoice::TryAgain, StatusChoice::TryAgain};
    const printing::JobRequest request = adhesives(1, 1, kZebra);
    const printing::JobReport report = run(request, printer);
    EXPECT_EQ(report.end, JobEnd::Normal);
    EXPECT_EQ(observer_.messages.size(), 2U);
    const std::string expected = "~HS~HS~HS" + bytesOfEachRow(request)[0];
    EXPECT_EQ(printer.received(expected.size()), expected);
}

TEST_P(NotReadyChoiceTest, CancelSendsNoLabelByte) {
    PrinterSimulator printer(Line::Tcp, true);
    ASSERT_TRUE(printer.ready());
    printer.answerAlways(GetParam().answer);
    observer_.choices = {StatusChoice::Cancel};
    const printing::JobReport report = run(adhesives(2, 1, kZebra), printer);
    EXPECT_EQ(report.end, JobEnd::PrinterNotReady);
    EXPECT_TRUE(report.rows.empty());
    EXPECT_EQ(printer.received(3), "~HS");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, NotReadyChoiceTest,
    ::testing::Values(ChoiceCase{"Fault", PrinterSimulator::zplAnswer("cabeca")},
                      ChoiceCase{"Silence", ""}, ChoiceCase{"Garbled", "ERRO\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StatusCheckTest, ANewFaultAfterPrintAnywayAsksAgain) {
    PrinterSimulator printer(Line::Tcp, true);
    ASSERT_TRUE(printer.ready());
    printer.answerNext(PrinterSimulator::zplAnswer("pausa"));
    printer.answerNext(PrinterSimulator::zplAnswer("pausa"));
    printer.answerAlways(PrinterSimulator::zplAnswer("papel"));
    observer_.choices = {StatusChoice::PrintAnyway, StatusChoice::Cancel};
    const printing::JobRequest request = adhesives(3, 1, kZebra);
    const printing::JobReport report = run(request, printer);
    EXPECT_EQ(report.end, JobEnd::PrinterNotReady);
    ASSERT_EQ(report.rows.size(), 2U);
    ASSERT_EQ(observer_.messages.size(), 2U);
    EXPECT_NE(observer_.messages[0], observer_.messages[1]);
    EXPECT_EQ(observer_.messages[1], printing::printerStatusMessages::text(report.status));
    const std::vector<std::string> rows = bytesOfEachRow(request);
    const std::string expected = "~HS" + rows[0] + "~HS" + rows[1] + "~HS";
    EXPECT_EQ(printer.received(expected.size()), expected);
}

TEST_F(StatusCheckTest, FaultBetweenRowsKeepsTheRowsBeforePrinted) {
    PrinterSimulator printer(Line::Pty, false);
    ASSERT_TRUE(printer.ready());
    printer.answerNext(PrinterSimulator::dplAnswer());
    printer.answerNext(PrinterSimulator::dplAnswer());
    printer.answerAlways(PrinterSimulator::dplAnswer("NYNNNNNN"));
    const printing::JobRequest request = adhesives(4, 1, kDatamax);
    const printing::JobReport report = run(request, printer);
    EXPECT_EQ(report.end, JobEnd::PrinterNotReady);
    ASSERT_EQ(report.rows.size(), 2U);
    EXPECT_EQ(report.rows[0].outcome, RowOutcome::Printed);
    EXPECT_EQ(report.rows[1].outcome, RowOutcome::Printed);
    const std::vector<std::string> rows = bytesOfEachRow(request);
    const std::string q = printer.query();
    const std::string expected = q + rows[0] + q + rows[1] + q;
    EXPECT_EQ(printer.received(expected.size()), expected);
}

TEST_F(StatusCheckTest, PrinterThatRefusesTheQueryFailsItsRowAsBefore) {
    int port = 0;
    {
        PrinterSimulator gone(Line::Tcp, true);
        port = std::stoi(gone.destination().substr(gone.destination().rfind(':') + 1));
    }
    config::PortsTable ports;
    ASSERT_TRUE(
        parsePorts("[LPT1]\ndestino=tcp://127.0.0.1:" + std::to_string(port) + "\n", ports));
    StatusCheckedSink job(ports, dir_.path().toStdString(), kStall,
                          printing::DestinationSender::kStatusWait);
    const printing::JobReport report =
        printing::PrintEngine(job.sink).run(adhesives(1, 1, kZebra), observer_);
    EXPECT_EQ(report.end, JobEnd::RowFailed);
    EXPECT_TRUE(observer_.messages.empty());
    ASSERT_EQ(report.rows.size(), 1U);
    EXPECT_EQ(report.rows[0].channel.reason, "conexão recusada");
}

TEST_F(StatusCheckTest, CancelWhileABufferStaysFullEndsTheJobWithoutTheBox) {
    PrinterSimulator printer(Line::Tcp, true);
    ASSERT_TRUE(printer.ready());
    printer.answerAlways(PrinterSimulator::zplAnswer("memoria"));
    config::PortsTable ports;
    ASSERT_TRUE(parsePorts("[LPT1]\ndestino=" + printer.destination() + "\n", ports));
    StatusCheckedSink job(ports, dir_.path().toStdString(), std::chrono::seconds(20), kWait);
    printing::PrintEngine engine(job.sink);
    // The operator cancels once the printer has been asked twice (or after ten seconds, so
    // that a printer never asked fails the expectations below instead of hanging the test).
    std::thread operatorCancels([&] {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (printer.queries() < 2 && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        engine.cancel();
    });
    const printing::JobReport report = engine.run(adhesives(2, 1, kZebra), observer_);
    operatorCancels.join();
    EXPECT_GE(printer.queries(), 2);
    EXPECT_EQ(report.end, JobEnd::Cancelled);
    EXPECT_TRUE(report.rows.empty());
    EXPECT_TRUE(observer_.messages.empty());
    EXPECT_TRUE(onlyQueries(printer.received(0), printer.query()));
}

}  // namespace rotulano::test
