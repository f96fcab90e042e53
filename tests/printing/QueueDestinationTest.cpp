#include <gtest/gtest.h>

#include <QThread>

#include "PrivateCupsd.h"
#include "TcpListener.h"
#include "printing/QueueDestination.h"
#include "printing/SystemDestinations.h"

using rotulano::core::Delivery;
using rotulano::core::DestinationKind;
using rotulano::core::PortDestination;
using rotulano::printing::QueueDestination;
using rotulano::printing::SystemDestinations;
using rotulano::test::PrivateCupsd;
using rotulano::test::TcpListener;

namespace {

constexpr std::chrono::milliseconds kStall{1000};
// The service hands a job to its printer in its own time.
constexpr std::chrono::seconds kDeliveryWait{30};

const std::string kLabel = std::string(
                               "\x01"
                               "D\x02L\r\nD11\r\n",
                               12) +
                           "1911A1801000020Pe\xe7" + "a\r\n" + std::string("\n\r\0\xd8\r\n", 6) +
                           "E\r\n";

PortDestination queue(const std::string& name) {
    PortDestination destination;
    destination.kind = DestinationKind::Queue;
    destination.target = name;
    destination.text = "cups://" + name;
    return destination;
}

bool onCi() {
    return qEnvironmentVariable("CI") == "true";
}

// A private print service with one raw queue, ZEBRA, printing to a listener of the test.
class QueueDestinationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!QueueDestination::available()) {
            GTEST_SKIP() << "built without the print service's client library";
        }
        ASSERT_TRUE(printer_.ready());
        if (!service_.ready()) {
            if (onCi()) {
                FAIL() << "cupsd must run on CI: " << service_.why();
            }
            GTEST_SKIP() << "cupsd cannot be started here: " << service_.why();
        }
        ASSERT_TRUE(service_.addQueue("ZEBRA", printer_.port())) << service_.why();
    }

    Delivery send(const std::string& name, const std::string& bytes) {
        return SystemDestinations(kStall, nullptr, service_.socket()).send(queue(name), bytes);
    }

    void expectNothingSent() {
        EXPECT_EQ(service_.pendingJobs(), "");
        EXPECT_EQ(printer_.received(1, std::chrono::milliseconds(1500)).size(), 0u);
        EXPECT_EQ(printer_.accepted(), 0u);
    }

    TcpListener printer_;
    PrivateCupsd service_;
};

}  // namespace

TEST_F(QueueDestinationTest, RawJobReachesThePrinterWithExactlyTheRowsBytes) {
    const Delivery delivery = send("ZEBRA", kLabel);
    ASSERT_TRUE(delivery.ok()) << delivery.reason;
    EXPECT_GT(delivery.queueJobId, 0);
    const std::vector<std::string> got = printer_.received(1, kDeliveryWait);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], kLabel);
}

TEST_F(QueueDestinationTest, StoppedOrRejectingQueueIsReportedAndGetsNothing) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"cupsdisable", "fila parada"}, {"cupsreject", "a fila não aceita trabalhos"}};
    for (const auto& [command, reason] : cases) {
        ASSERT_TRUE(service_.run(command, "ZEBRA")) << service_.why();
        const Delivery delivery = send("ZEBRA", kLabel);
        EXPECT_EQ(delivery.status, "30") << command;
        EXPECT_EQ(delivery.reason, reason) << command;
        expectNothingSent();
        ASSERT_TRUE(service_.run(command == "cupsdisable" ? "cupsenable" : "cupsaccept", "ZEBRA"))
            << service_.why();
    }
}

TEST_F(QueueDestinationTest, UnknownQueueIsReportedAndGetsNothing) {
    const Delivery delivery = send("DATAMAX", kLabel);
    EXPECT_EQ(delivery.status, "35");
    EXPECT_EQ(delivery.reason, "fila não encontrada");
    expectNothingSent();
}
