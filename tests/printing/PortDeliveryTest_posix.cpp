#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "AdhesiveJobs.h"
#include "orders/OrderTestLines.h"
#include "printing/MemorySink.h"
#include "printing/PortSink.h"
#include "printing/PrintEngine.h"
#include "printing/SystemPlatform.h"
#include "support/TestSupport.h"

// The print engine to a serial line that stops taking bytes: a pseudo-terminal whose
// printer end the test reads, stops reading and reads again. A pseudo-terminal takes
// about 64 KiB before it stalls, so the jobs here are larger than that. What matters:
// every byte of every row marked printed reaches the printer when it reads again, the
// row that stalled is not marked, and one stall limit ends the whole job.
namespace {

namespace core = rotulano::core;
namespace printing = rotulano::printing;
using namespace std::chrono_literals;
using printing::JobEnd;
using printing::RowOutcome;
using rotulano::test::itemLine;

// A pseudo-terminal pair: the program writes to path(), the test reads the other end.
// The program's end is held open, so nothing it wrote goes when it closes its own.
class HeldTerminal {
  public:
    HeldTerminal() {
        int printer = -1;
        int port = -1;
        if (::openpty(&printer, &port, nullptr, nullptr, nullptr) != 0) {
            return;
        }
        printer_ = printer;
        holder_ = port;
        path_ = ::ttyname(port);
        ::fcntl(printer_, F_SETFL, ::fcntl(printer_, F_GETFL) | O_NONBLOCK);
    }
    ~HeldTerminal() {
        if (printer_ >= 0) {
            ::close(printer_);
            ::close(holder_);
        }
    }
    HeldTerminal(const HeldTerminal&) = delete;
    HeldTerminal& operator=(const HeldTerminal&) = delete;

    bool ready() const { return printer_ >= 0; }
    const std::string& path() const { return path_; }

    // Reads what has arrived, until nothing more comes for a moment, at most `limit` bytes.
    std::string read(std::size_t limit = std::string::npos) {
        std::string bytes;
        char chunk[4096];
        while (bytes.size() < limit) {
            pollfd watch{printer_, POLLIN, 0};
            if (::poll(&watch, 1, 200) <= 0) {
                break;
            }
            const std::size_t want = std::min(sizeof chunk, limit - bytes.size());
            const ssize_t count = ::read(printer_, chunk, want);
            if (count <= 0) {
                break;
            }
            bytes.append(chunk, static_cast<std::size_t>(count));
        }
        return bytes;
    }

    // Fills the line until it takes no more, as a printer that stopped reading long ago.
    void fill() {
        ::fcntl(holder_, F_SETFL, ::fcntl(holder_, F_GETFL) | O_NONBLOCK);
        termios raw{};
        ::tcgetattr(holder_, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(holder_, TCSANOW, &raw);
        // The line moves bytes on in stages: it is full once it has taken nothing for a
        // while.
        const std::string block(512, 'F');
        for (int idle = 0; idle < 5;) {
            if (::write(holder_, block.data(), block.size()) > 0) {
                idle = 0;
            } else {
                ++idle;
                std::this_thread::sleep_for(50ms);
            }
        }
    }

  private:
    int printer_ = -1;
    int holder_ = -1;
    std::string path_;
};

// The system's own device code with LPT1 on the terminal, print files in the test's
// folder, no printer waits, and a count of the copies to the port.
class TerminalPlatform : public printing::SystemPlatform {
  public:
    TerminalPlatform(std::string folder, std::string line, std::chrono::milliseconds stall)
        : SystemPlatform(stall), folder_(std::move(folder)), line_(std::move(line)) {}
    std::string tempDir() override { return folder_ + "/"; }
    std::string portDevice(const std::string&) override { return line_; }
    core::Delivery deliverToDevice(const std::string& device, const std::string& bytes,
                                   const std::atomic<bool>& stop) override {
        ++deliveries;
        const core::Delivery delivery = SystemPlatform::deliverToDevice(device, bytes, stop);
        if (!delivery.ok()) {
            ++failures;
            failedAt = deliveries.load();
        }
        return delivery;
    }
    void sleepFor(std::chrono::milliseconds) override {}

    std::atomic<int> deliveries{0};
    std::atomic<int> failures{0};
    std::atomic<int> failedAt{0};

  private:
    std::string folder_;
    std::string line_;
};

// `count` rows of small adhesives to a Zebra printer on LPT1.
printing::JobRequest adhesiveJob(int count, char code = '2') {
    printing::JobRequest request;
    request.orderNumber = "004711";
    request.settings.setModel(5);
    request.settings.setPort(1);
    for (int row = 1; row <= count; ++row) {
        request.rows.push_back({row, itemLine(code, "000001"), 1});
    }
    return request;
}

// A print job to the terminal: its own channel, port sink and engine.
struct LineJob {
    LineJob(const QTemporaryDir& folder, const HeldTerminal& line, std::chrono::milliseconds stall,
            const std::string& logoDir = {})
        : platform(folder.path().toStdString(), line.path(), stall), engine(sink, logoDir) {
        channel.state().tempDir = channel.platform().tempDir();
    }

    TerminalPlatform platform;
    printing::ChannelState state;
    printing::PrintChannel channel{state, platform};
    printing::PortSink sink{channel};
    printing::PrintEngine engine;
};

class PortDelivery : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!line_.ready()) {
            GTEST_SKIP() << "no pseudo-terminal can be opened here";
        }
    }

    // Runs the job on a thread of its own, as the window does; a job that never ends is
    // a failure, and the line is then read empty so that the test itself ends.
    printing::JobReport runJob(printing::PrintEngine& engine, const printing::JobRequest& request,
                               const std::function<void()>& whileRunning = {}) {
        printing::JobObserver quiet;
        auto job = std::async(std::launch::async, [&] { return engine.run(request, quiet); });
        if (whileRunning) {
            whileRunning();
        }
        if (job.wait_for(30s) == std::future_status::timeout) {
            ADD_FAILURE() << "the job never ended";
            while (job.wait_for(10ms) == std::future_status::timeout) {
                line_.read();
            }
        }
        return job.get();
    }

    std::size_t printedRows(const printing::JobReport& report) const {
        std::size_t printed = 0;
        while (printed < report.rows.size() &&
               report.rows[printed].outcome == RowOutcome::Printed) {
            ++printed;
        }
        return printed;
    }

    // What the rows marked printed sent, together.
    static std::string joined(const std::vector<std::string>& rows, std::size_t count) {
        std::string bytes;
        for (std::size_t i = 0; i < count; ++i) {
            bytes += rows[i];
        }
        return bytes;
    }

    QTemporaryDir folder_;
    HeldTerminal line_;
};

}  // namespace

// The printer reads the first rows, then stops; when it reads again it gets every byte of
// every row marked printed, and the row that stalled is not marked.
TEST_F(PortDelivery, AReaderThatStopsMidJobGetsEveryRowMarkedPrinted) {
    const printing::JobRequest request = adhesiveJob(400);
    const std::vector<std::string> rows = rotulano::test::bytesOfJobRows(request);
    ASSERT_GT(joined(rows, rows.size()).size(), 128U * 1024U);
    LineJob job(folder_, line_, 300ms);
    TerminalPlatform& platform = job.platform;
    printing::PrintEngine& engine = job.engine;
    std::string received;
    const printing::JobReport report =
        runJob(engine, request, [&] { received = line_.read(8 * 1024); });
    received += line_.read();

    EXPECT_EQ(report.end, JobEnd::RowFailed);
    const std::size_t printed = printedRows(report);
    ASSERT_GT(printed, 0U);
    ASSERT_EQ(report.rows.size(), printed + 1);
    EXPECT_EQ(report.rows.back().outcome, RowOutcome::Failed);
    EXPECT_EQ(report.rows.back().channel.status, "30");
    const std::string marked = joined(rows, printed);
    ASSERT_GE(received.size(), marked.size());
    EXPECT_TRUE(received.compare(0, marked.size(), marked) == 0);
    // Of the stalled row, at most its own bytes; nothing of the rows after it.
    EXPECT_LE(received.size(), marked.size() + rows[printed].size());
    EXPECT_EQ(platform.failures.load(), 1);
    EXPECT_EQ(platform.deliveries.load(), platform.failedAt.load());
}

// A line that takes nothing at all: the first row waits one stall limit, and the job ends
// there without trying anything else.
TEST_F(PortDelivery, APortThatTakesNothingFailsWithinOneStallLimitPerJob) {
    line_.fill();
    LineJob job(folder_, line_, 300ms);
    TerminalPlatform& platform = job.platform;
    printing::PrintEngine& engine = job.engine;
    const printing::JobReport report = runJob(engine, adhesiveJob(20, '1'));
    EXPECT_EQ(report.end, JobEnd::RowFailed);
    ASSERT_EQ(report.rows.size(), 1U);
    EXPECT_EQ(report.rows[0].outcome, RowOutcome::Failed);
    EXPECT_EQ(platform.deliveries.load(), 1);
    EXPECT_EQ(platform.failures.load(), 1);
}

// A logo larger than the line takes stalls: the row stops there, and no byte of its
// labels follows the part of the logo that went.
TEST_F(PortDelivery, AStalledLogoDownloadSendsNoLabelBytes) {
    QTemporaryDir logos;
    const std::string logo = "~DGR:LOGOVRDL.GRF,200000,100," + std::string(200000, 'A');
    rotulano::test::writeBytes(logos.filePath("LOGOVRDL.GRF").toStdString(), logo);
    LineJob job(folder_, line_, 300ms, logos.path().toStdString());
    printing::PrintEngine& engine = job.engine;
    const printing::JobReport report = runJob(engine, adhesiveJob(3, '1'));
    const std::string received = line_.read();
    EXPECT_EQ(report.end, JobEnd::RowFailed);
    ASSERT_EQ(report.rows.size(), 1U);
    ASSERT_LE(received.size(), logo.size());
    EXPECT_TRUE(logo.compare(0, received.size(), received) == 0);
    EXPECT_GT(received.size(), 0U);
}

// A cancel ends at once a wait on a line that has stopped taking bytes (the stall limit
// here is far longer than the test allows): the rows done keep their mark, the one that
// was waiting does not, and the printer later gets every byte of the rows done.
TEST_F(PortDelivery, ACancelEndsAStalledWaitAndKeepsTheRowsDone) {
    const printing::JobRequest request = adhesiveJob(400);
    const std::vector<std::string> rows = rotulano::test::bytesOfJobRows(request);
    LineJob job(folder_, line_, 10min);
    printing::PrintEngine& engine = job.engine;
    const printing::JobReport report = runJob(engine, request, [&] {
        std::this_thread::sleep_for(1s);  // the line is full long before
        engine.cancel();
    });
    const std::string received = line_.read();
    EXPECT_EQ(report.end, JobEnd::Cancelled);
    const std::size_t printed = printedRows(report);
    ASSERT_GT(printed, 0U);
    ASSERT_EQ(report.rows.size(), printed + 1);
    EXPECT_EQ(report.rows.back().outcome, RowOutcome::Cancelled);
    const std::string marked = joined(rows, printed);
    ASSERT_GE(received.size(), marked.size());
    EXPECT_TRUE(received.compare(0, marked.size(), marked) == 0);
}

// After a cancel, a line that still takes bytes, however slowly, gets the piece in hand
// whole (the row in flight ends); only a line that takes nothing is left.
TEST_F(PortDelivery, ACancelLetsASlowLineFinishThePieceInHand) {
    const std::string piece(256 * 1024, 'S');
    const std::atomic<bool> cancelled{true};
    printing::SystemPlatform platform(std::chrono::minutes(10));
    std::atomic<bool> done{false};
    std::string received;
    std::thread printer([&] {
        for (;;) {
            const std::string chunk = line_.read(16 * 1024);
            received += chunk;
            if (done && chunk.empty()) {
                break;
            }
            std::this_thread::sleep_for(50ms);
        }
    });
    auto sending = std::async(std::launch::async, [&] {
        return platform.deliverToDevice(line_.path(), piece, cancelled);
    });
    const bool ended = sending.wait_for(60s) == std::future_status::ready;
    done = true;
    printer.join();
    ASSERT_TRUE(ended) << "the piece never went out";
    EXPECT_EQ(sending.get().status, "00");
    received += line_.read();
    EXPECT_EQ(received, piece);
}
