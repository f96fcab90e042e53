#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QThread>
#include <atomic>
#include <cstring>
#include <future>
#include <thread>
#include <vector>

#include "PrivateCupsd.h"
#include "TcpListener.h"
#include "printing/QueueDestination.h"
#include "printing/SystemDestinations.h"
#include "support/ChildProcess.h"

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

namespace {

// A print service that takes every connection and reads every request, and never answers
// one: the local socket of a service that hangs.
class SilentService {
  public:
    SilentService() {
        listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path_ = dir_.filePath(QStringLiteral("cups.sock")).toStdString();
        if (listener_ < 0 || path_.size() >= sizeof address.sun_path) {
            return;
        }
        std::memcpy(address.sun_path, path_.c_str(), path_.size() + 1);
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener_, 4) != 0) {
            return;
        }
        ready_ = true;
        thread_ = std::thread([this] { serve(); });
    }
    ~SilentService() {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        for (const int fd : connections_) {
            ::close(fd);
        }
        ::close(listener_);
    }
    SilentService(const SilentService&) = delete;
    SilentService& operator=(const SilentService&) = delete;

    bool ready() const { return ready_; }
    const std::string& path() const { return path_; }
    // Waits, at most `limit`, until a request's first bytes came.
    bool waitRequest(std::chrono::milliseconds limit) const {
        const auto giveUp = std::chrono::steady_clock::now() + limit;
        while (requestBytes_ == 0 && std::chrono::steady_clock::now() < giveUp) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return requestBytes_ > 0;
    }

  private:
    void serve() {
        while (!stop_) {
            std::vector<pollfd> watched{{listener_, POLLIN, 0}};
            for (const int fd : connections_) {
                watched.push_back({fd, POLLIN, 0});
            }
            if (::poll(watched.data(), watched.size(), 50) <= 0) {
                continue;
            }
            if ((watched[0].revents & POLLIN) != 0) {
                const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
                if (fd >= 0) {
                    connections_.push_back(fd);
                }
            }
            char bytes[4096];
            for (std::size_t at = 1; at < watched.size(); ++at) {
                if ((watched[at].revents & POLLIN) != 0) {
                    const ssize_t got = ::read(watched[at].fd, bytes, sizeof bytes);
                    requestBytes_ += got > 0 ? static_cast<std::size_t>(got) : 0;
                }
            }
        }
    }

    QTemporaryDir dir_;
    std::string path_;
    int listener_ = -1;
    bool ready_ = false;
    std::vector<int> connections_;
    std::atomic<std::size_t> requestBytes_{0};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Far longer than the child is given to run: only the cancel can end the wait.
constexpr std::chrono::milliseconds kEndlessStall = std::chrono::minutes(10);

}  // namespace

// The print service stops answering while a row goes out: the operator's cancel ends the
// wait (the library looks at it every quarter of a second), and so does the stall limit.
// Each case runs in a child process, killed if it hangs.
TEST(QueueDestinationWait, ServiceThatNeverAnswersIsLeftAtACancelOrTheStallLimit) {
    if (!QueueDestination::available()) {
        GTEST_SKIP() << "built without the print service's client library";
    }
    struct Case {
        const char* what;
        std::chrono::milliseconds stall;
        bool cancel;
    };
    const std::vector<Case> cases = {{"cancel", kEndlessStall, true},
                                     {"stall limit", std::chrono::milliseconds(1000), false}};
    for (const Case& c : cases) {
        const rotulano::test::ChildRun run = rotulano::test::answerFromChild({}, [&c] {
            SilentService service;
            if (!service.ready()) {
                return std::string("no service");
            }
            std::atomic<int> cancel{0};
            auto sending = std::async(std::launch::async, [&] {
                return QueueDestination(queue("ZEBRA"), service.path(), c.stall, cancel)
                    .send(kLabel);
            });
            if (!service.waitRequest(std::chrono::seconds(20))) {
                return std::string("the service was never asked");
            }
            if (c.cancel) {
                cancel = 1;
            }
            const Delivery given = sending.get();
            const std::string prefix = "o serviço de impressão não respondeu";
            return std::string(given.ok() ? "sent" : "given up") + " [" + given.status + "] " +
                   (given.reason.rfind(prefix, 0) == 0 ? prefix : given.reason);
        });
        EXPECT_EQ(run.exitCode, 0) << c.what;
        EXPECT_EQ(run.out, "given up [30] o serviço de impressão não respondeu") << c.what;
    }
}
