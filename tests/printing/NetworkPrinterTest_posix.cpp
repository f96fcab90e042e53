#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <map>

#include "NetworkPrinter.h"
#include "PrinterSimulator.h"

// The network printer stand-in of the soak and the benchmarks does to a connection what
// its conduct says, and keeps exactly what it read.
namespace {

using rotulano::test::Conduct;
using rotulano::test::NetworkPrinter;
using rotulano::test::ReadConnection;
using rotulano::test::SeededConducts;
using Kind = Conduct::Kind;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kBound = 5s;

// A row of `size` bytes that tells where each byte is.
std::string rowOf(std::size_t size) {
    std::string bytes;
    for (std::size_t i = 0; bytes.size() < size; ++i) {
        bytes += std::to_string(i) + ',';
    }
    bytes.resize(size);
    return bytes;
}

int connectTo(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

// What the sending side saw of the printer's end.
enum class PeerEnd { Closed, Reset, Silent };

// Reads (and drops) what the printer sends until it closes or resets, within the bound.
PeerEnd awaitPeer(int fd, std::string* answer = nullptr) {
    const auto end = Clock::now() + kBound;
    char chunk[256];
    while (Clock::now() < end) {
        pollfd watch{fd, POLLIN, 0};
        if (::poll(&watch, 1, 10) <= 0) {
            continue;
        }
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count == 0) {
            return PeerEnd::Closed;
        }
        if (count < 0) {
            return PeerEnd::Reset;
        }
        if (answer != nullptr) {
            answer->append(chunk, static_cast<std::size_t>(count));
        }
    }
    return PeerEnd::Silent;
}

// Sends `bytes` as a row goes out, ends its side and waits for the printer's end.
PeerEnd sendRow(int port, const std::string& bytes) {
    const int fd = connectTo(port);
    if (fd < 0) {
        return PeerEnd::Silent;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t sent = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (sent <= 0) {
            ::close(fd);
            return PeerEnd::Reset;
        }
        done += static_cast<std::size_t>(sent);
    }
    ::shutdown(fd, SHUT_WR);
    const PeerEnd end = awaitPeer(fd);
    ::close(fd);
    return end;
}

std::vector<ReadConnection> settled(NetworkPrinter& printer, std::size_t count) {
    EXPECT_TRUE(printer.settle(100ms, kBound));
    std::vector<ReadConnection> connections = printer.connections();
    EXPECT_EQ(connections.size(), count);
    return connections;
}

Conduct stall(std::size_t after, std::chrono::milliseconds pause) {
    Conduct conduct = Conduct::cut(Kind::Stall, after);
    conduct.pause = pause;
    return conduct;
}

struct ConductCase {
    const char* name;
    Conduct conduct;
    std::size_t read;  // bytes of the 20,000-byte row the printer reads
    bool endOfStream;
    PeerEnd seen;
};

class NetworkPrinterConducts : public ::testing::TestWithParam<ConductCase> {};

}  // namespace

TEST_P(NetworkPrinterConducts, ReadsWhatItsConductSaysAndEndsAsItSays) {
    const ConductCase& test = GetParam();
    NetworkPrinter printer([&test](std::size_t) { return test.conduct; });
    ASSERT_TRUE(printer.ready());
    const std::string row = rowOf(20000);
    EXPECT_EQ(sendRow(printer.port(), row), test.seen);
    const std::vector<ReadConnection> read = settled(printer, 1);
    ASSERT_EQ(read.size(), 1U);
    EXPECT_EQ(read[0].bytes, row.substr(0, test.read));
    EXPECT_EQ(read[0].endOfStream, test.endOfStream);
    EXPECT_EQ(printer.bytesRead(), test.read);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NetworkPrinterConducts,
    ::testing::Values(ConductCase{"Healthy", Conduct{}, 20000, true, PeerEnd::Closed},
                      ConductCase{"Stall", stall(700, 300ms), 20000, true, PeerEnd::Closed},
                      ConductCase{"SlowRead", Conduct::slowRead(2000, 2ms), 20000, true,
                                  PeerEnd::Closed},
                      ConductCase{"CloseMidRow", Conduct::cut(Kind::CloseMidRow, 1234), 1234, false,
                                  PeerEnd::Reset},
                      ConductCase{"ResetMidRow", Conduct::cut(Kind::ResetMidRow, 4321), 4321, false,
                                  PeerEnd::Reset},
                      ConductCase{"CutBeyondTheRow", Conduct::cut(Kind::ResetMidRow, 30000), 20000,
                                  true, PeerEnd::Closed}),
    [](const ::testing::TestParamInfo<ConductCase>& info) { return info.param.name; });

TEST(NetworkPrinter, ClosingBetweenRowsReadsNothing) {
    NetworkPrinter printer([](std::size_t) { return Conduct::cut(Kind::CloseBetweenRows, 0); });
    ASSERT_TRUE(printer.ready());
    const int fd = connectTo(printer.port());
    ASSERT_GE(fd, 0);
    EXPECT_EQ(awaitPeer(fd), PeerEnd::Closed);
    ::close(fd);
    const std::vector<ReadConnection> read = settled(printer, 1);
    ASSERT_EQ(read.size(), 1U);
    EXPECT_EQ(read[0].bytes, "");
    EXPECT_FALSE(read[0].endOfStream);
}

TEST(NetworkPrinter, AnswersTheStatusQueryOnTheConnection) {
    NetworkPrinter printer([](std::size_t) { return Conduct::slowRead(1, 1ms); });
    ASSERT_TRUE(printer.ready());
    const std::string query = rotulano::test::PrinterSimulator::queryOf(true);
    const std::string answer = rotulano::test::PrinterSimulator::zplAnswer();
    printer.answerStatus(query, answer);
    const int fd = connectTo(printer.port());
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::send(fd, query.data(), query.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(query.size()));
    ::shutdown(fd, SHUT_WR);
    std::string got;
    EXPECT_EQ(awaitPeer(fd, &got), PeerEnd::Closed);
    ::close(fd);
    EXPECT_EQ(got, answer);
}

// A printer that stops accepting: what waits in its queue is reset unread when it closes
// its listening socket, it is refused while away, and it listens on the same port again.
TEST(NetworkPrinter, StopsAcceptingDropsTheQueueAndComesBackOnTheSamePort) {
    Conduct away;
    away.kind = Kind::StopAccepting;
    // Long enough for the test's next step to come within each, however busy the machine.
    away.pause = 1000ms;
    away.away = 1000ms;
    NetworkPrinter printer([&away](std::size_t n) { return n == 0 ? away : Conduct{}; });
    ASSERT_TRUE(printer.ready());
    const std::string first = rowOf(500);
    EXPECT_EQ(sendRow(printer.port(), first), PeerEnd::Closed);
    // Queued: the kernel takes the row, the printer never reads it.
    EXPECT_EQ(sendRow(printer.port(), rowOf(300)), PeerEnd::Reset);
    const int refused = connectTo(printer.port());
    EXPECT_EQ(refused, -1);
    EXPECT_EQ(errno, ECONNREFUSED);
    const std::string third = rowOf(700);
    const auto end = Clock::now() + kBound;
    PeerEnd seen = PeerEnd::Silent;
    while (seen == PeerEnd::Silent && Clock::now() < end) {
        seen = sendRow(printer.port(), third);
        std::this_thread::sleep_for(20ms);
    }
    EXPECT_EQ(seen, PeerEnd::Closed);
    const std::vector<ReadConnection> read = settled(printer, 2);
    ASSERT_EQ(read.size(), 2U);
    EXPECT_EQ(read[0].bytes, first);
    EXPECT_EQ(read[1].bytes, third);
    EXPECT_GT(read[1].listening, read[0].listening);
}

TEST(NetworkPrinter, StopsAcceptingForGoodWithoutAWayBack) {
    Conduct gone;
    gone.kind = Kind::StopAccepting;
    NetworkPrinter printer([&gone](std::size_t) { return gone; });
    ASSERT_TRUE(printer.ready());
    EXPECT_EQ(sendRow(printer.port(), rowOf(100)), PeerEnd::Closed);
    EXPECT_TRUE(printer.settle(100ms, kBound));
    EXPECT_EQ(connectTo(printer.port()), -1);
    EXPECT_EQ(errno, ECONNREFUSED);
}

TEST(SeededConducts, TheSameSeedGivesTheSameConductsAndEveryKindComes) {
    SeededConducts one(7);
    SeededConducts again(7);
    SeededConducts other(8);
    std::map<Kind, int> kinds;
    int differ = 0;
    for (int i = 0; i < 2000; ++i) {
        const Conduct a = one.next();
        const Conduct b = again.next();
        const Conduct c = other.next();
        EXPECT_EQ(std::tie(a.kind, a.after, a.pause, a.away, a.chunk),
                  std::tie(b.kind, b.after, b.pause, b.away, b.chunk));
        differ += a.kind != c.kind || a.after != c.after ? 1 : 0;
        ++kinds[a.kind];
    }
    EXPECT_GT(differ, 0);
    EXPECT_EQ(kinds.size(), 7U);
    EXPECT_GT(kinds[Kind::Healthy], 1500);
}
