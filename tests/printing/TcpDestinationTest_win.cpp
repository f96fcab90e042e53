#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "AdhesiveJobs.h"
#include "LoopbackPrinter_win.h"
#include "RecordingPlatform.h"
#include "config/PortsTable.h"
#include "printing/DestinationSink.h"
#include "printing/PrintEngine.h"
#include "printing/SystemDestinations.h"
#include "printing/TcpConnection_win.h"
#include "printing/TcpDestination.h"

// Network printers through Winsock: the rows a Linux job sends reach a printer on
// 127.0.0.1 byte for byte, one connection each, and every failure reads as on Linux.
// Wine cannot count a connection's unacknowledged bytes (no SIO_TCP_INFO), so these
// cases take the path where the printer's end of stream confirms the row; the count's
// own rule is the table of WindowsTcpCounts.
namespace {

namespace core = rotulano::core;
namespace config = rotulano::config;
namespace printing = rotulano::printing;
using rotulano::test::LoopbackPrinter;
using std::chrono::milliseconds;

// Far longer than any healthy exchange takes, even with Wine's server under load: a row that
// must succeed never meets it, and no case's outcome hangs on it.
constexpr milliseconds kStall{10000};

// Only numeric addresses: no look-up leaves the machine.
class LoopbackNames : public printing::NameLookup {
  public:
    printing::LookupResult lookUp(const std::string& host) const override {
        ++asked;
        if (host == "zebra-expedicao" || host == "127.0.0.1") {
            return printing::LookupResult::found({"127.0.0.1"});
        }
        return printing::LookupResult::failed(printing::LookupResult::Kind::NotFound);
    }
    mutable std::atomic<int> asked{0};
};

core::PortDestination tcp(const std::string& host, int port) {
    core::PortDestination destination;
    destination.kind = core::DestinationKind::Tcp;
    destination.target = host;
    destination.tcpPort = port;
    destination.text = "tcp://" + host + ":" + std::to_string(port);
    return destination;
}

// Every byte a careless channel would change, then a body of `size` bytes.
std::string rowBytes(std::size_t size) {
    std::string bytes = std::string("\x02L\r\nD11\r\n\0\xd8\n\r\x1a", 14);
    for (std::size_t i = 0; bytes.size() < size; ++i) {
        bytes += static_cast<char>(i % 251);
    }
    return bytes;
}

config::PortsTable portsWith(const std::string& text) {
    config::PortsTable table;
    std::string message;
    EXPECT_TRUE(config::PortsTable::parse(text, "portas.ini", table, message)) << message;
    return table;
}

}  // namespace

TEST(WindowsTcpJob, EachRowReachesTheLoopbackPrinterAsOneConnectionWithTheLinuxBytes) {
    LoopbackPrinter printer;
    ASSERT_TRUE(printer.ready());
    const printing::JobRequest request = rotulano::test::adhesives(3, 1);
    const auto ports =
        portsWith("[LPT1]\ndestino=tcp://127.0.0.1:" + std::to_string(printer.port()) +
                  "\nconsultar-estado=nao\n");
    QTemporaryDir dir;
    printing::ChannelState state;
    state.tempDir = dir.path().toStdString() + "/";
    rotulano::test::RecordingPlatform platform;
    printing::PrintChannel channel(state, platform);
    printing::PortSink usual(channel);
    printing::SystemDestinations destinations(kStall, std::make_shared<LoopbackNames>());
    printing::DestinationSink sink(usual, channel, ports, destinations);
    printing::JobObserver observer;
    const printing::JobReport report = printing::PrintEngine(sink).run(request, observer);
    EXPECT_EQ(report.end, printing::JobEnd::Normal);
    ASSERT_EQ(report.rows.size(), 3u);
    for (const printing::RowReport& row : report.rows) {
        EXPECT_EQ(row.outcome, printing::RowOutcome::Printed) << row.row;
    }
    EXPECT_EQ(printer.received(3), rotulano::test::bytesOfEachRow(request));
    EXPECT_TRUE(platform.sent.empty());
}

TEST(WindowsTcpDestination, RowIsConfirmedByThePrintersCloseAndLookedUpByName) {
    LoopbackPrinter printer;
    ASSERT_TRUE(printer.ready());
    LoopbackNames names;
    const core::PortDestination destination = tcp("zebra-expedicao", printer.port());
    const std::string row = rowBytes(300 * 1024);
    const core::Delivery sent =
        printing::TcpDestination(destination, names, kStall, kStall).send(row);
    EXPECT_TRUE(sent.ok()) << sent.reason;
    EXPECT_TRUE(sent.printerClosed);
    EXPECT_EQ(names.asked, 1);
    const std::vector<std::string> received = printer.received(1);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], row);
}

TEST(WindowsTcpDestination, PrinterThatResetsMidRowFailsItWithTheWarning) {
    LoopbackPrinter printer(LoopbackPrinter::Behaviour::ResetMidRow);
    ASSERT_TRUE(printer.ready());
    printer.resetAfter(1000);
    LoopbackNames names;
    const core::PortDestination destination = tcp("127.0.0.1", printer.port());
    const std::string row = rowBytes(4 * 1024 * 1024);
    const core::Delivery sent =
        printing::TcpDestination(destination, names, kStall, kStall).send(row);
    EXPECT_EQ(sent.status, core::kStatusIoError);
    EXPECT_EQ(sent.reason, "conexão encerrada pela impressora");
    EXPECT_TRUE(sent.bytesWritten);
    EXPECT_EQ(printing::deliveryFailureMessage("LPT1", destination.text, sent),
              "Não foi possível enviar as etiquetas para a porta LPT1 (" + destination.text +
                  "): conexão encerrada pela impressora [30]; a impressora pode ter recebido "
                  "parte das etiquetas desta linha: confira antes de imprimir de novo.");
    const std::vector<std::string> received = printer.received(1);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], row.substr(0, 1000));
}

// With the stall limit and the close wait alike, the message is the same whether the
// system counts the acknowledged bytes (close wait) or not (the longer of the two).
TEST(WindowsTcpDestination, PrinterThatNeverClosesHasNotConfirmedTheRow) {
    LoopbackPrinter printer(LoopbackPrinter::Behaviour::NeverClose);
    ASSERT_TRUE(printer.ready());
    LoopbackNames names;
    const core::PortDestination destination = tcp("127.0.0.1", printer.port());
    const core::Delivery sent =
        printing::TcpDestination(destination, names, milliseconds(500), milliseconds(500))
            .send(rowBytes(2000));
    EXPECT_EQ(sent.reason,
              "a impressora não confirmou a linha (não encerrou a conexão em 0,5 s; se ela nunca "
              "encerra, use confirma-fechando=nao no arquivo de portas)");
    EXPECT_TRUE(sent.bytesWritten);
    EXPECT_FALSE(sent.printerClosed);
}

TEST(WindowsTcpDestination, PrinterKnownNeverToCloseConfirmsWithoutItsClose) {
    LoopbackPrinter printer(LoopbackPrinter::Behaviour::NeverClose);
    ASSERT_TRUE(printer.ready());
    LoopbackNames names;
    core::PortDestination destination = tcp("127.0.0.1", printer.port());
    destination.confirmsByClosing = false;
    const std::string row = rowBytes(2000);
    const core::Delivery sent =
        printing::TcpDestination(destination, names, kStall, kStall).send(row);
    EXPECT_TRUE(sent.ok()) << sent.reason;
    EXPECT_FALSE(sent.printerClosed);
    const std::vector<std::string> received = printer.received(1);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], row);
}

TEST(WindowsTcpDestination, PortNothingListensOnIsRefusedAndAnUnknownHostNotFound) {
    int closedPort = 0;
    {
        LoopbackPrinter gone;
        ASSERT_TRUE(gone.ready());
        closedPort = gone.port();
    }
    LoopbackNames names;
    // Windows itself tries a refused connection again for about two seconds.
    const core::PortDestination refused = tcp("127.0.0.1", closedPort);
    const core::Delivery sent =
        printing::TcpDestination(refused, names, kStall, kStall).send("^XA^XZ");
    EXPECT_EQ(sent.status, core::kStatusIoError);
    EXPECT_EQ(sent.reason, "conexão recusada");
    EXPECT_FALSE(sent.bytesWritten);

    const core::PortDestination unknown = tcp("zebra-sumida", 9100);
    const core::Delivery lost =
        printing::TcpDestination(unknown, names, kStall, kStall).send("^XA^XZ");
    EXPECT_EQ(lost.status, core::kStatusNotFound);
    EXPECT_EQ(lost.reason, "host não encontrado");
}

TEST(WindowsTcpDestination, StatusQuestionGetsThePrintersAnswerOnAConnectionOfItsOwn) {
    LoopbackPrinter printer(LoopbackPrinter::Behaviour::Answer);
    ASSERT_TRUE(printer.ready());
    const std::string answer =
        "\x02"
        "030,0,0,0245,000,0,0,0,000,0,0,0\x03\r\n";
    printer.answerWith(answer);
    LoopbackNames names;
    const core::PortDestination destination = tcp("127.0.0.1", printer.port());
    std::string got;
    const core::Delivery asked =
        printing::TcpDestination(destination, names, kStall, milliseconds(0))
            .ask(
                "~HS", got, [&](const std::string& sofar) { return sofar.size() >= answer.size(); },
                kStall);
    EXPECT_TRUE(asked.ok()) << asked.reason;
    EXPECT_EQ(got, answer);
    const std::vector<std::string> received = printer.received(1);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], "~HS");
}

// The system's resolver takes a numeric address without asking any name server.
TEST(WindowsNameLookup, NumericAddressIsItsOwnAnswer) {
    const printing::LookupResult found = printing::SystemNameLookup().lookUp("127.0.0.1");
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(found.addresses, std::vector<std::string>{"127.0.0.1"});
}

// SIO_TCP_INFO's counts, as a row's confirmation reads them: every byte is acknowledged
// once the printer has acknowledged the end of the sending side, never before.
TEST(WindowsTcpCounts, UnacknowledgedBytesFollowTheConnectionsState) {
    namespace counts = printing::tcpCounts;
    struct Case {
        const char* what;
        std::size_t written;
        counts::Counts counts;
        long expected;
    };
    const Case cases[] = {
        {"FIN acknowledged (FIN_WAIT_2)", 5000, {6, 5000, 0, 0}, 0},
        {"TIME_WAIT", 5000, {10, 5000, 0, 0}, 0},
        {"closed after the last ACK", 5000, {0, 5000, 0, 0}, 0},
        {"nothing sent yet", 5000, {5, 0, 0, 0}, 5000},
        {"half in flight", 5000, {5, 5000, 0, 2500}, 2500},
        {"retransmissions do not count twice", 5000, {5, 6000, 1000, 1000}, 1000},
        {"all acknowledged, FIN still in flight", 5000, {5, 5000, 0, 0}, 1},
        {"established, all acknowledged", 5000, {4, 5000, 0, 0}, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(counts::unacknowledged(c.written, c.counts), c.expected) << c.what;
    }
}
