#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <map>
#include <memory>

#include "TcpListener.h"
#include "printing/SystemDestinations.h"

using rotulano::core::Delivery;
using rotulano::core::DestinationKind;
using rotulano::core::PortDestination;
using rotulano::printing::deliveryFailureMessage;
using rotulano::printing::LookupResult;
using rotulano::printing::NameLookup;
using rotulano::printing::SystemDestinations;
using rotulano::test::TcpListener;

namespace {

constexpr std::chrono::milliseconds kStall{1000};

// The names the shop's printers have; no look-up leaves the machine.
class ShopNames : public NameLookup {
  public:
    LookupResult lookUp(const std::string& host) const override {
        const std::map<std::string, std::vector<std::string>> names = {
            {"zebra-expedicao", {"127.0.0.1"}}, {"127.0.0.1", {"127.0.0.1"}}};
        const auto found = names.find(host);
        return found == names.end() ? LookupResult::failed(LookupResult::Kind::NotFound)
                                    : LookupResult::found(found->second);
    }
};

PortDestination tcp(const std::string& host, int port) {
    PortDestination destination;
    destination.kind = DestinationKind::Tcp;
    destination.target = host;
    destination.tcpPort = port;
    destination.text = "tcp://" + host + ":" + std::to_string(port);
    return destination;
}

// Every byte a careless channel would change, then a body large enough to fill the
// connection's buffers when nobody reads.
std::string rowBytes(std::size_t size, char fill) {
    std::string bytes = std::string("\x02L\r\nD11\r\n\0\xd8\n\r", 13);
    bytes += std::string(size > bytes.size() ? size - bytes.size() : 0, fill);
    return bytes;
}

// A port on 127.0.0.1 that nothing listens on, held so that no other test takes it.
class ClosedPort {
  public:
    ClosedPort() {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~ClosedPort() { ::close(fd_); }
    int port() const { return port_; }

  private:
    int fd_ = -1;
    int port_ = 0;
};

}  // namespace

TEST(TcpDestination, EachRowIsOneConnectionCarryingExactlyItsBytes) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    const auto names = std::make_shared<ShopNames>();
    SystemDestinations destinations(kStall, names);
    const std::string first = rowBytes(300000, 'a');
    const std::string second = rowBytes(50, 'b');
    const Delivery one = destinations.send(tcp("zebra-expedicao", printer.port()), first);
    const Delivery two = destinations.send(tcp("127.0.0.1", printer.port()), second);
    EXPECT_TRUE(one.ok()) << one.reason;
    EXPECT_TRUE(two.ok()) << two.reason;
    const std::vector<std::string> got = printer.received(2);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_TRUE(got[0] == first) << got[0].size();
    EXPECT_EQ(got[1], second);
}

TEST(TcpDestination, RefusedConnectionIsReported) {
    ClosedPort closed;
    const auto names = std::make_shared<ShopNames>();
    const PortDestination destination = tcp("127.0.0.1", closed.port());
    const Delivery delivery = SystemDestinations(kStall, names).send(destination, "E\r\n");
    EXPECT_EQ(delivery.status, "30");
    EXPECT_EQ(delivery.reason, "conexão recusada");
    EXPECT_EQ(deliveryFailureMessage("LPT1", destination.text, delivery),
              "Não foi possível enviar as etiquetas para a porta LPT1 (tcp://127.0.0.1:" +
                  std::to_string(closed.port()) + "): conexão recusada [30].");
}

TEST(TcpDestination, UnknownHostIsReportedWithoutConnecting) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    const auto names = std::make_shared<ShopNames>();
    const PortDestination destination = tcp("zebra-deposito", printer.port());
    const Delivery delivery = SystemDestinations(kStall, names).send(destination, "E\r\n");
    EXPECT_EQ(delivery.status, "35");
    EXPECT_EQ(delivery.reason, "host não encontrado");
    EXPECT_EQ(printer.received(1, std::chrono::milliseconds(300)).size(), 0u);
    EXPECT_EQ(printer.accepted(), 0u);
}

TEST(TcpDestination, PrinterThatStopsReadingFailsTheRowWithinTheStallLimit) {
    TcpListener printer(4096);
    ASSERT_TRUE(printer.ready());
    printer.neverRead(1);
    const auto names = std::make_shared<ShopNames>();
    SystemDestinations destinations(kStall, names);
    const std::string before = rowBytes(2000, 'a');
    EXPECT_TRUE(destinations.send(tcp("127.0.0.1", printer.port()), before).ok());
    const auto start = std::chrono::steady_clock::now();
    const Delivery stalled =
        destinations.send(tcp("127.0.0.1", printer.port()), rowBytes(8 << 20, 'b'));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(stalled.status, "30");
    EXPECT_EQ(stalled.reason, "sem resposta em 1 s");
    EXPECT_LT(took, std::chrono::seconds(10));
    const std::vector<std::string> got = printer.received(1);
    ASSERT_GE(got.size(), 1u);
    EXPECT_EQ(got[0], before);
}

TEST(TcpDestination, PrinterThatClosesMidRowFailsThatRowOnly) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    printer.closeAfter(1, 1000);
    const auto names = std::make_shared<ShopNames>();
    SystemDestinations destinations(kStall, names);
    const std::string before = rowBytes(5000, 'a');
    EXPECT_TRUE(destinations.send(tcp("127.0.0.1", printer.port()), before).ok());
    const Delivery cut =
        destinations.send(tcp("127.0.0.1", printer.port()), rowBytes(16 << 20, 'b'));
    EXPECT_EQ(cut.status, "30");
    EXPECT_EQ(cut.reason, "conexão encerrada pela impressora");
    const std::vector<std::string> got = printer.received(2);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0], before);
    EXPECT_LT(got[1].size(), std::size_t{16} << 20);
}

TEST(TcpDestination, RowPiecesShareOneConnectionWithoutPauses) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    SystemDestinations destinations(kStall);
    int pauses = 0;
    destinations.setPause([&pauses](std::chrono::milliseconds) { ++pauses; });
    const std::vector<rotulano::printing::RowPiece> row = {
        {"\x01"
         "D\x02IDPLOGO\r\n",
         std::chrono::milliseconds(0)},
        {std::string("BM\0\xff", 4), std::chrono::milliseconds(2000)},
        {rowBytes(4000, 'c'), std::chrono::milliseconds(0)}};
    EXPECT_TRUE(destinations.sendRow(tcp("127.0.0.1", printer.port()), row).ok());
    const std::vector<std::string> got = printer.received(1);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], row[0].bytes + row[1].bytes + row[2].bytes);
    EXPECT_EQ(pauses, 0);
}
