#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "AdhesiveJobs.h"
#include "PrinterSimulator.h"
#include "StatusCheckedSink.h"
#include "config/PortsTable.h"
#include "printing/PortReading.h"
#include "printing/PrintEngine.h"
#include "printing/PrinterStatus.h"
#include "support/ChildProcess.h"

// The wait for a printer's status answer always ends: a port that never stops giving
// bytes is read only so far, and a cancel ends the wait for an answer that does not come.
// Each case runs in a child process, killed if it hangs.
namespace {

namespace config = rotulano::config;
namespace printing = rotulano::printing;
namespace portStream = printing::portStream;
using rotulano::test::adhesives;
using rotulano::test::PrinterSimulator;
using std::chrono::milliseconds;

constexpr int kZebra = 5;
// Far longer than the child is given to run: only a cancel or a bound ends these waits.
constexpr milliseconds kEndlessWait = std::chrono::minutes(10);

}  // namespace

TEST(StatusWait, APortThatNeverRunsDryIsReadOnlySoFarAndItsAnswerDoesNotParse) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A device that gives zero bytes for ever, as a port could be named by mistake.
    const std::string zero = dir.path().toStdString() + "/zero";
    if (!rotulano::test::makeCharDevice(zero, 1, 5)) {
        GTEST_SKIP() << "no device node can be made here";
    }
    // A ZPL answer is whole at its third ETX, which never comes: the wait would end it, but
    // the port has given more than any answer holds long before.
    const rotulano::test::ChildRun run = rotulano::test::answerFromChild({}, [&] {
        const int fd = ::open(zero.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        std::string answer;
        const std::atomic<bool> stop{false};
        const auto complete = [](const std::string& got) {
            return printing::printerStatus::complete(true, got);
        };
        const portStream::Result asked =
            portStream::ask(fd, printing::printerStatus::query(true), answer, complete,
                            std::chrono::seconds(1), milliseconds(500), stop);
        ::close(fd);
        const bool garbled = printing::printerStatus::parse(true, answer).kind ==
                             printing::PrinterStatus::Kind::Garbled;
        return std::string(asked.done() ? "done" : "not done") +
               (answer.size() <= 4096 ? " bounded" : " unbounded") +
               (garbled ? " garbled" : " parsed");
    });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "done bounded garbled");
}

TEST(StatusWait, ACancelEndsTheWaitForAnAnswerThatDoesNotCome) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const rotulano::test::ChildRun run = rotulano::test::answerFromChild({}, [&] {
        PrinterSimulator printer(PrinterSimulator::Line::Tcp, true);
        printer.answerAlways("");  // silence
        config::PortsTable ports;
        std::string message;
        if (!printer.ready() ||
            !config::PortsTable::parse("[LPT1]\ndestino=" + printer.destination() + "\n", "p",
                                       ports, message)) {
            return std::string("no printer");
        }
        rotulano::test::StatusCheckedSink job(ports, dir.path().toStdString(),
                                              std::chrono::seconds(20), kEndlessWait);
        printing::PrintEngine engine(job.sink);
        // The operator cancels while the printer is being asked.
        std::thread operatorCancels([&] {
            while (printer.queries() < 1) {
                std::this_thread::sleep_for(milliseconds(10));
            }
            engine.cancel();
        });
        printing::JobObserver observer;
        const printing::JobReport report = engine.run(adhesives(2, 1, kZebra), observer);
        operatorCancels.join();
        const bool cancelled = report.end == printing::JobEnd::Cancelled;
        return std::string(cancelled ? "cancelled" : "not cancelled") + " rows " +
               std::to_string(report.rows.size()) + " sent " +
               std::to_string(printer.received(0).size());
    });
    EXPECT_EQ(run.exitCode, 0);
    // Nothing but the one query ("~HS") reached the printer.
    EXPECT_EQ(run.out, "cancelled rows 0 sent 3");
}
