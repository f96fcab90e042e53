#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "AdhesiveJobs.h"
#include "PtyPair.h"
#include "RecordingPlatform.h"
#include "TcpListener.h"
#include "config/PortsTable.h"
#include "printing/DestinationSink.h"
#include "printing/PrintEngine.h"

// The print job through the ports file: each row reaches a network printer as one
// connection holding exactly what the job sends for it; a printer that goes away fails
// its row with the reason, and the rows before stay printed.
namespace {

namespace core = rotulano::core;
namespace config = rotulano::config;
namespace printing = rotulano::printing;
using printing::JobEnd;
using printing::RowOutcome;
using rotulano::test::adhesives;
using rotulano::test::bytesOfEachRow;
using rotulano::test::PtyPair;
using rotulano::test::TcpListener;

constexpr std::chrono::milliseconds kStall{1000};

config::PortsTable portsWith(const std::string& text) {
    config::PortsTable table;
    std::string message;
    EXPECT_TRUE(config::PortsTable::parse(text, "portas.ini", table, message)) << message;
    return table;
}

}  // namespace

class DestinationSinkTest : public ::testing::Test {
  protected:
    printing::JobReport run(const printing::JobRequest& request, const config::PortsTable& ports) {
        printing::ChannelState state;
        state.tempDir = dir_.path().toStdString() + "/";
        printing::PrintChannel channel(state, platform_);
        printing::PortSink usual(channel);
        printing::SystemDestinations destinations(kStall);
        printing::DestinationSink sink(usual, channel, ports, destinations);
        printing::JobObserver observer;
        return printing::PrintEngine(sink).run(request, observer);
    }

    QTemporaryDir dir_;
    rotulano::test::RecordingPlatform platform_;
};

TEST_F(DestinationSinkTest, EachRowIsOneConnectionWithExactlyItsBytes) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    const printing::JobRequest request = adhesives(3, 1);
    const auto ports =
        portsWith("[LPT1]\ndestino=tcp://127.0.0.1:" + std::to_string(printer.port()) +
                  "\nconsultar-estado=nao\n");
    const printing::JobReport report = run(request, ports);
    EXPECT_EQ(report.end, JobEnd::Normal);
    ASSERT_EQ(report.rows.size(), 3u);
    for (const printing::RowReport& row : report.rows) {
        EXPECT_EQ(row.outcome, RowOutcome::Printed) << row.row;
    }
    EXPECT_EQ(printer.received(3), bytesOfEachRow(request));
    EXPECT_TRUE(platform_.sent.empty());
}

TEST_F(DestinationSinkTest, PrinterThatGoesAwayFailsItsRowWithTheReasonAndTheRowsBeforeStay) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    printer.goAwayAfter(1);
    const printing::JobRequest request = adhesives(3, 2);
    const std::string destination = "tcp://127.0.0.1:" + std::to_string(printer.port());
    const printing::JobReport report =
        run(request, portsWith("[LPT2]\ndestino=" + destination + "\nconsultar-estado=nao"));
    EXPECT_EQ(report.end, JobEnd::RowFailed);
    ASSERT_EQ(report.rows.size(), 2u);
    EXPECT_EQ(report.rows[0].outcome, RowOutcome::Printed);
    EXPECT_EQ(report.rows[1].outcome, RowOutcome::Failed);
    const printing::ChannelResult& failed = report.rows[1].channel;
    EXPECT_EQ(failed.status, "30");
    // The next row's connection is refused, or, when it reached the printer's queue just
    // before the printer went, reset by it: either way the row fails with its reason.
    EXPECT_TRUE(failed.reason == "conexão recusada" ||
                failed.reason == "conexão encerrada pela impressora")
        << failed.reason;
    EXPECT_EQ(failed.portName, "LPT2");
    EXPECT_EQ(failed.failedName, destination);
    EXPECT_EQ(printer.received(1), std::vector<std::string>{bytesOfEachRow(request)[0]});
}

TEST_F(DestinationSinkTest, PortWithoutEntryGoesToItsUsualDevice) {
    const printing::JobRequest request = adhesives(1, 1);
    const printing::JobReport report = run(request, portsWith("[LPT2]\ndestino=cups://ZEBRA\n"));
    EXPECT_EQ(report.end, JobEnd::Normal);
    ASSERT_EQ(platform_.sent.size(), 1u);
    EXPECT_EQ(platform_.sent[0].device, "LPT1");
    EXPECT_EQ(platform_.sent[0].bytes, bytesOfEachRow(request)[0]);
}

TEST_F(DestinationSinkTest, SerialEntryIsSetUpOnItsOwnDeviceOnce) {
    PtyPair line;
    if (!line.ready()) {
        GTEST_SKIP() << "socat is not installed";
    }
    const printing::JobRequest request = adhesives(2, 3);
    const auto ports = portsWith("[COM1]\ndestino=" + line.portSide() + "\nvelocidade=9600\n");
    const printing::JobReport report = run(request, ports);
    EXPECT_EQ(report.end, JobEnd::Normal);
    const std::vector<std::string> rows = bytesOfEachRow(request);
    const std::string expected = "\r\n" + rows[0] + rows[1];
    EXPECT_EQ(line.received(expected.size()), expected);
    EXPECT_TRUE(platform_.serialOpened.empty());
}
