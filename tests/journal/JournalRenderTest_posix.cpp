#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QProcess>
#include <chrono>
#include <csignal>

#include "JournalTestSupport.h"
#include "RenderProcessFixture.h"
#include "journal/Journal.h"
#include "printing/TcpListener.h"
#include "support/ChildProcess.h"

// rotulano-render --send with the print journal: a job killed in the middle of a row, and
// the runs that resume it with --skip-printed.
namespace rotulano::test {
namespace {

using std::chrono::seconds;

constexpr int kModel = 5;  // a Zebra, the logo sent before the job's first row

std::string joined(const std::vector<std::string>& parts) {
    std::string all;
    for (const std::string& part : parts) {
        all += part;
    }
    return all;
}

QString rowList(int first, int last) {
    QStringList rows;
    for (int row = first; row <= last; ++row) {
        rows << QString::number(row);
    }
    return rows.join(u',');
}

class JournalRenderTest : public RenderProcessTest {
  protected:
    QStringList sendTo(const TcpListener& printer, const QStringList& more = {}) {
        return QStringList{sampleOrder(),
                           QStringLiteral("--settings"),
                           qs(settings_),
                           QStringLiteral("--logo-dir"),
                           qs(samplePath("")),
                           QStringLiteral("--send"),
                           QStringLiteral("--no-status"),
                           QStringLiteral("--port"),
                           qs("tcp://127.0.0.1:" + std::to_string(printer.port())),
                           QStringLiteral("--journal"),
                           qs(journal_)} +
               more;
    }

    // What a render of rows `first` to `last` writes: what the printer must get.
    std::string rendered(int first, int last) {
        const RenderRun run =
            runSample(settings_, {QStringLiteral("--rows"), rowList(first, last)});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.out;
    }

    const std::string settings_ = writeSettings(kModel);
    const std::string journal_ = work("diario.db");
};

TEST_F(JournalRenderTest, KilledMidRowThenResumedSendsExactlyTheRemainingRows) {
    TcpListener printer(4096);
    ASSERT_TRUE(printer.ready());
    printer.pauseReading(2);  // row 3 is held in flight
    QProcess process;
    start(process, sendTo(printer));
    ASSERT_TRUE(process.waitForStarted(10000));
    ASSERT_TRUE(waitUntil([&] { return printer.accepted() >= 3; }, seconds(60)));
    ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), SIGKILL), 0);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);

    journal::Journal reopened;
    ASSERT_TRUE(reopened.open(journal_)) << reopened.message();
    EXPECT_EQ(reopened.message(), "");
    EXPECT_EQ(rowStates(journal_),
              (std::vector<std::string>{"1:impressa", "2:impressa", "3:enviando"}));

    TcpListener second;
    ASSERT_TRUE(second.ready());
    const RenderRun refused = run(sendTo(second, {QStringLiteral("--skip-printed")}));
    EXPECT_EQ(refused.exitCode, 7);
    EXPECT_EQ(refused.err, kTag +
                               "linhas talvez já impressas segundo o diário: 3; confira as "
                               "etiquetas e use --resend-uncertain para enviá-las de novo\n");
    EXPECT_EQ(second.accepted(), 0U);

    TcpListener third;
    ASSERT_TRUE(third.ready());
    const RenderRun resumed = run(
        sendTo(third, {QStringLiteral("--skip-printed"), QStringLiteral("--resend-uncertain")}));
    EXPECT_EQ(resumed.exitCode, 0) << resumed.err;
    EXPECT_EQ(joined(third.received(12)), rendered(3, 14));
    EXPECT_EQ(third.accepted(), 12U);
    EXPECT_NE(resumed.err.find(kTag + "linhas já impressas segundo o diário, deixadas de fora: "
                                      "1, 2\n"),
              std::string::npos)
        << resumed.err;
    // The refused run started no job: the resumed one is the second.
    const std::vector<std::string> resumedRows = rowStates(journal_, 2);
    ASSERT_EQ(resumedRows.size(), 12U);
    EXPECT_EQ(resumedRows.front(), "3:impressa");
    EXPECT_EQ(resumedRows.back(), "14:impressa");
}

TEST_F(JournalRenderTest, AfterACleanPartialRunSkipPrintedSendsExactlyTheRowsNotPrinted) {
    TcpListener first;
    ASSERT_TRUE(first.ready());
    const RenderRun partial = run(sendTo(first, {QStringLiteral("--rows"), rowList(1, 5)}));
    ASSERT_EQ(partial.exitCode, 0) << partial.err;

    TcpListener second;
    ASSERT_TRUE(second.ready());
    const RenderRun rest = run(sendTo(second, {QStringLiteral("--skip-printed")}));
    EXPECT_EQ(rest.exitCode, 0) << rest.err;
    EXPECT_EQ(joined(second.received(9)), rendered(6, 14));
    EXPECT_EQ(second.accepted(), 9U);

    TcpListener third;
    ASSERT_TRUE(third.ready());
    const RenderRun nothing = run(sendTo(third, {QStringLiteral("--skip-printed")}));
    EXPECT_EQ(nothing.exitCode, 0);
    EXPECT_EQ(nothing.err, kTag +
                               "linhas já impressas segundo o diário, deixadas de fora: 1, 2, 3, "
                               "4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14\n" +
                               kTag +
                               "nada a enviar: o diário mostra todas as linhas escolhidas já "
                               "impressas\n");
    EXPECT_EQ(third.accepted(), 0U);
}

TEST_F(JournalRenderTest, SendWithoutJournalOptionWritesTheJournalBesideTheSettings) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    QStringList arguments = sendTo(printer, {QStringLiteral("--rows"), QStringLiteral("2")});
    const qsizetype option = arguments.indexOf(QStringLiteral("--journal"));
    ASSERT_GE(option, 0);
    arguments.remove(option, 2);
    const RenderRun sent = run(arguments);
    EXPECT_EQ(sent.exitCode, 0) << sent.err;
    EXPECT_EQ(rowStates(work("rotulano-diario.db")), std::vector<std::string>{"2:impressa"});

    const RenderRun unjournaled = run(arguments + QStringList{QStringLiteral("--no-journal")});
    EXPECT_EQ(unjournaled.exitCode, 0) << unjournaled.err;
    EXPECT_EQ(joined(printer.received(2)), rendered(2, 2) + rendered(2, 2));
    EXPECT_EQ(rowStates(work("rotulano-diario.db"), 2), std::vector<std::string>{});
    EXPECT_EQ(fileKind(journal_), "missing");
}

// A FIFO at any of the journal's names would hold SQLite's open or read for ever: the
// journal is refused with its message, and the rows still go out.
TEST_F(JournalRenderTest, FifoAtTheJournalsNameDoesNotHangAndPrintingGoesOn) {
    for (const std::string suffix : {"", "-wal", "-shm"}) {
        const std::string name = journal_ + suffix;
        ASSERT_TRUE(makePipe(name));
        TcpListener printer;
        ASSERT_TRUE(printer.ready());
        const RenderRun sent =
            run(sendTo(printer, {QStringLiteral("--rows"), QStringLiteral("1,2")}));
        EXPECT_EQ(sent.exitCode, 0) << sent.err;
        EXPECT_EQ(joined(printer.received(2)), rendered(1, 2));
        EXPECT_EQ(sent.err.substr(0, sent.err.find('\n') + 1),
                  kTag + "aviso: O diário de impressão " + name +
                      " não é um arquivo comum (um pipe): a impressão continua e as marcas das "
                      "linhas ficam só na memória\n")
            << suffix;
        const RenderRun history =
            run({QStringLiteral("--history"), QStringLiteral("--journal"), qs(journal_)});
        EXPECT_EQ(history.exitCode, 8) << suffix;
        ASSERT_EQ(::unlink(name.c_str()), 0);
    }
}

}  // namespace
}  // namespace rotulano::test
