#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <thread>

#include "AdhesiveJobs.h"
#include "StatusCheckedSink.h"
#include "TcpListener.h"
#include "config/PortsTable.h"
#include "printing/DestinationSink.h"
#include "printing/PrintEngine.h"
#include "printing/SystemDestinations.h"

// A row sent to a network printer counts only when the printer itself has it: it closes
// its side after reading the row whole. A printer that stops accepting, closes or resets
// mid-row, or never closes fails the row, and a failed or cancelled row is cut off: the
// printer gets no byte of it that its network stack had not acknowledged at the report.
namespace rotulano::test {
namespace {

using printing::JobEnd;
using printing::RowOutcome;
using printing::SystemDestinations;
using std::chrono::milliseconds;

constexpr milliseconds kStall{1000};
constexpr milliseconds kCloseWait{500};

const std::string kPartlySent =
    "; a impressora pode ter recebido parte das etiquetas desta linha: confira antes de "
    "imprimir de novo.";

core::PortDestination printerAt(const TcpListener& printer) {
    core::PortDestination destination;
    destination.kind = core::DestinationKind::Tcp;
    destination.target = "127.0.0.1";
    destination.tcpPort = printer.port();
    destination.text = "tcp://127.0.0.1:" + std::to_string(printer.port());
    return destination;
}

std::string rowOf(std::size_t size) {
    std::string bytes = "^XA^FO20,20^FDRotulano^FS";
    while (bytes.size() < size) {
        bytes += static_cast<char>('a' + bytes.size() % 26);
    }
    return bytes.substr(0, size);
}

std::unique_ptr<SystemDestinations> destinations(milliseconds stall = kStall) {
    auto made = std::make_unique<SystemDestinations>(stall);
    made->setCloseWait(kCloseWait);
    return made;
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

TEST(TcpRowConfirm, APrinterThatReadsTheRowAndClosesConfirmsIt) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    const std::string row = rowOf(300000);
    const core::Delivery sent = destinations()->send(printerAt(printer), row);
    EXPECT_TRUE(sent.ok()) << sent.reason;
    EXPECT_TRUE(sent.printerClosed);
    EXPECT_EQ(printer.received(1), std::vector<std::string>{row});
}

struct CutCase {
    const char* name;
    std::size_t rowSize;
    std::size_t readBeforeClosing;
    TcpListener::Close how;
};

class PrinterThatCutsTheRow : public ::testing::TestWithParam<CutCase> {};

TEST_P(PrinterThatCutsTheRow, FailsTheRowWithTheWarningAndThePrinterHasOnlyAPart) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    printer.closeAfter(0, GetParam().readBeforeClosing, GetParam().how);
    const std::string row = rowOf(GetParam().rowSize);
    const core::PortDestination destination = printerAt(printer);
    const core::Delivery cut = destinations()->send(destination, row);
    EXPECT_EQ(cut.status, "30");
    EXPECT_EQ(cut.reason, "conexão encerrada pela impressora");
    EXPECT_TRUE(cut.bytesWritten);
    EXPECT_EQ(printing::deliveryFailureMessage("LPT1", destination.text, cut),
              "Não foi possível enviar as etiquetas para a porta LPT1 (" + destination.text +
                  "): conexão encerrada pela impressora [30]" + kPartlySent);
    const std::vector<std::string> got = printer.received(1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_LT(got[0].size(), row.size());
    EXPECT_TRUE(startsWith(row, got[0]));
}

INSTANTIATE_TEST_SUITE_P(Cases, PrinterThatCutsTheRow,
                         ::testing::Values(CutCase{"ShortRowReadInPartThenClosed", 3000, 100,
                                                   TcpListener::Close::Normal},
                                           CutCase{"LongRowReadInPartThenClosed", 4 << 20, 1000,
                                                   TcpListener::Close::Normal},
                                           CutCase{"LongRowReset", 4 << 20, 1000,
                                                   TcpListener::Close::Reset}),
                         [](const auto& info) { return std::string(info.param.name); });

struct NeverClosesCase {
    const char* name;
    bool confirmsByClosing;
    bool printed;
};

class PrinterThatNeverCloses : public ::testing::TestWithParam<NeverClosesCase> {};

TEST_P(PrinterThatNeverCloses, ConfirmsTheRowOnlyWhenThePortsFileSaysItNeverCloses) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    printer.neverClose(0);
    core::PortDestination destination = printerAt(printer);
    destination.confirmsByClosing = GetParam().confirmsByClosing;
    const std::string row = rowOf(5000);
    const core::Delivery sent = destinations()->send(destination, row);
    EXPECT_EQ(sent.ok(), GetParam().printed) << sent.reason;
    EXPECT_FALSE(sent.printerClosed);
    if (!GetParam().printed) {
        EXPECT_EQ(sent.reason,
                  "a impressora não confirmou a linha (não encerrou a conexão em 0,5 s; se ela "
                  "nunca encerra, use confirma-fechando=nao no arquivo de portas)");
        EXPECT_TRUE(sent.bytesWritten);
    }
    EXPECT_EQ(printer.received(1), std::vector<std::string>{row});
}

INSTANTIATE_TEST_SUITE_P(Cases, PrinterThatNeverCloses,
                         ::testing::Values(NeverClosesCase{"NotConfirmed", true, false},
                                           NeverClosesCase{"ConfirmaFechandoNao", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The printer stops reading with a small receive buffer; the row fails at the stall limit,
// or at once on a cancel, and only then does the printer read again: it gets what its own
// network stack had acknowledged and nothing of what the program still held.
struct CutOffCase {
    const char* name;
    bool cancel;
};

class RowCutOff : public ::testing::TestWithParam<CutOffCase> {};

TEST_P(RowCutOff, APrinterThatReadsAgainAfterTheReportGetsNoMoreThanItHadAcknowledged) {
    TcpListener printer(4096);
    ASSERT_TRUE(printer.ready());
    printer.pauseReading(0);
    const bool cancel = GetParam().cancel;
    // A cancelled row is left after the cancel's short grace, long before this limit.
    const auto sender = destinations(cancel ? milliseconds(30000) : kStall);
    std::thread operatorCancels([&] {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (cancel && printer.accepted() < 1 && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(milliseconds(10));
        }
        if (cancel) {
            sender->cancel();
        }
    });
    const std::string row = rowOf(4 << 20);
    const core::Delivery failed = sender->send(printerAt(printer), row);
    operatorCancels.join();
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(failed.status, "30");
    EXPECT_TRUE(failed.bytesWritten);
    const std::size_t acknowledged = printer.resumeReading();
    const std::vector<std::string> got = printer.received(1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_LE(got[0].size(), acknowledged);
    EXPECT_LT(got[0].size(), row.size());
    EXPECT_TRUE(startsWith(row, got[0]));
}

INSTANTIATE_TEST_SUITE_P(Cases, RowCutOff,
                         ::testing::Values(CutOffCase{"Stalled", false},
                                           CutOffCase{"Cancelled", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TcpRowConfirm, APrinterThatStopsAcceptingAfterRowOneGetsRowTwoFailedAndRowThreeNotSent) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    printer.stopAcceptingAfter(1);
    QTemporaryDir dir;
    core::PortDestination destination = printerAt(printer);
    destination.statusCheck = false;
    config::PortsTable ports;
    ports.set("LPT2", destination);
    StatusCheckedSink job(ports, dir.path().toStdString(), kStall,
                          printing::DestinationSender::kStatusWait);
    const printing::JobRequest request = adhesives(3, 2);
    printing::JobObserver observer;
    const printing::JobReport report = printing::PrintEngine(job.sink).run(request, observer);

    EXPECT_EQ(report.end, JobEnd::RowFailed);
    ASSERT_EQ(report.rows.size(), 2u);
    EXPECT_EQ(report.rows[0].outcome, RowOutcome::Printed);
    EXPECT_EQ(report.rows[1].outcome, RowOutcome::Failed);
    EXPECT_TRUE(report.rows[1].channel.bytesWritten);
    EXPECT_EQ(printer.received(1), std::vector<std::string>{bytesOfEachRow(request)[0]});
    EXPECT_EQ(printer.accepted(), 1u);
}

TEST(TcpRowConfirm, APrinterThatClosesTheStatusConnectionAtOnceIsReportedClosingNotSilent) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    printer.closeAfter(0, 1, TcpListener::Close::Normal);
    SystemDestinations asker(kStall);
    asker.setStatusWait(milliseconds(2000));
    const printing::PrinterStatus status = asker.askStatus(printerAt(printer), true);
    EXPECT_EQ(status.kind, printing::PrinterStatus::Kind::Unreachable);
    EXPECT_EQ(status.reason, "conexão encerrada pela impressora");
}

}  // namespace rotulano::test
