#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <condition_variable>
#include <future>
#include <map>
#include <memory>
#include <mutex>

#include "AdhesiveJobs.h"
#include "PrinterSimulator.h"
#include "RecordingPlatform.h"
#include "TcpListener.h"
#include "config/PortsTable.h"
#include "printing/DestinationSink.h"
#include "printing/NameLookup.h"
#include "printing/PrintEngine.h"
#include "printing/PrintJobMessages.h"

// A network printer's name is looked up once per job, and a name server that does not
// answer holds the job no longer than the stall limit or a cancel, with its own message.
// No look-up leaves the machine: the name servers here are the test's.
namespace {

namespace config = rotulano::config;
namespace printing = rotulano::printing;
using printing::JobEnd;
using printing::LookupResult;
using rotulano::test::adhesives;
using rotulano::test::TcpListener;
using std::chrono::milliseconds;

// Far longer than any test runs: only the cancel can end the wait.
constexpr milliseconds kLongLimit = std::chrono::seconds(60);
constexpr milliseconds kShortLimit{300};
// The stall limit of jobs that reach their printer: never reached on a loaded machine.
constexpr milliseconds kJobStall = std::chrono::seconds(10);
constexpr milliseconds kBound = std::chrono::seconds(20);

// A name server that knows "zebra-expedicao" as 127.0.0.1 and answers each question only
// once the test lets it (at once when `held` is false); it counts the questions.
class TestNameServer : public printing::NameLookup {
  public:
    explicit TestNameServer(bool held, LookupResult::Kind unknown = LookupResult::Kind::NotFound)
        : held_(held), unknown_(unknown) {}

    LookupResult lookUp(const std::string& host) const override {
        std::unique_lock<std::mutex> lock(mutex_);
        ++asked_;
        changed_.notify_all();
        changed_.wait(lock, [this] { return !held_; });
        ++answered_;
        changed_.notify_all();
        if (host == "zebra-expedicao") {
            return LookupResult::found({"127.0.0.1"});
        }
        return LookupResult::failed(unknown_);
    }

    // Lets every question, asked or to come, be answered.
    void release() {
        const std::lock_guard<std::mutex> lock(mutex_);
        held_ = false;
        changed_.notify_all();
    }
    bool waitAsked(int count) { return waitFor(asked_, count); }
    bool waitAnswered(int count) { return waitFor(answered_, count); }
    int asked() const {
        const std::lock_guard<std::mutex> lock(mutex_);
        return asked_;
    }

  private:
    bool waitFor(int& counter, int count) {
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, kBound, [&] { return counter >= count; });
    }

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool held_;
    LookupResult::Kind unknown_;
    mutable int asked_ = 0;
    mutable int answered_ = 0;
};

config::PortsTable networkPrinter(const std::string& host, int port, bool statusCheck = false) {
    config::PortsTable table;
    std::string message;
    const std::string text = "[LPT1]\ndestino=tcp://" + host + ":" + std::to_string(port) +
                             "\nconsultar-estado=" + (statusCheck ? "sim" : "nao") + "\n";
    EXPECT_TRUE(config::PortsTable::parse(text, "portas.ini", table, message)) << message;
    return table;
}

// Print jobs on LPT1 as the window runs them, with the test's name server.
class NameLookupJobTest : public ::testing::Test {
  protected:
    struct Job {
        Job(NameLookupJobTest& test, const config::PortsTable& ports,
            std::shared_ptr<const printing::NameLookup> names, milliseconds stall)
            : ports(ports),
              channel(test.state_, test.platform_),
              usual(channel),
              destinations(stall, std::move(names)),
              sink(usual, channel, this->ports, destinations),
              engine(sink) {}

        printing::JobReport run(int rows) {
            printing::JobObserver observer;
            return engine.run(adhesives(rows, 1), observer);
        }

        config::PortsTable ports;
        printing::PrintChannel channel;
        printing::PortSink usual;
        printing::SystemDestinations destinations;
        printing::DestinationSink sink;
        printing::PrintEngine engine;
    };

    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        state_.tempDir = dir_.path().toStdString() + "/";
    }

    static std::string message(const printing::JobReport& report) {
        return printing::printJobMessages::failedJob(report).text.toStdString();
    }

    QTemporaryDir dir_;
    rotulano::test::RecordingPlatform platform_;
    printing::ChannelState state_;
};

}  // namespace

TEST_F(NameLookupJobTest, NameIsLookedUpOncePerJob) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    const auto names = std::make_shared<TestNameServer>(false);
    Job job(*this, networkPrinter("zebra-expedicao", printer.port()), names, kJobStall);
    EXPECT_EQ(job.run(3).end, JobEnd::Normal);
    EXPECT_EQ(names->asked(), 1);
    EXPECT_EQ(printer.received(3).size(), 3u);
    // The next job asks again: the printer may have moved in between.
    EXPECT_EQ(job.run(2).end, JobEnd::Normal);
    EXPECT_EQ(names->asked(), 2);
}

// The status question before each row and the row itself reach the printer through the
// one look-up of the job.
TEST_F(NameLookupJobTest, StatusQuestionsAndRowsShareTheJobsLookUp) {
    using rotulano::test::PrinterSimulator;
    PrinterSimulator printer(PrinterSimulator::Line::Tcp, true);
    ASSERT_TRUE(printer.ready());
    printer.answerAlways(PrinterSimulator::zplAnswer());
    const std::string destination = printer.destination();
    const int port = std::stoi(destination.substr(destination.rfind(':') + 1));
    const auto names = std::make_shared<TestNameServer>(false);
    Job job(*this, networkPrinter("zebra-expedicao", port, true), names, kJobStall);
    EXPECT_EQ(job.run(3).end, JobEnd::Normal);
    EXPECT_EQ(printer.queries(), 3);
    EXPECT_EQ(names->asked(), 1);
}

// What the name server said, in the job's message.
TEST_F(NameLookupJobTest, NameServersAnswerIsInTheMessage) {
    struct Case {
        const char* host;
        LookupResult::Kind unknown;
        bool held;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"zebra-deposito", LookupResult::Kind::NotFound, false, "host não encontrado [35]"},
        {"zebra-deposito", LookupResult::Kind::NoAnswer, false,
         "o servidor de nomes não respondeu [30]"},
        // No answer within the stall limit is no answer.
        {"zebra-expedicao", LookupResult::Kind::NotFound, true,
         "o servidor de nomes não respondeu [30]"},
    };
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    for (const Case& c : cases) {
        const auto names = std::make_shared<TestNameServer>(c.held, c.unknown);
        Job job(*this, networkPrinter(c.host, printer.port()), names, kShortLimit);
        const printing::JobReport report = job.run(2);
        names->release();
        EXPECT_EQ(report.end, JobEnd::RowFailed) << c.reason;
        EXPECT_EQ(message(report),
                  "Não foi possível enviar as etiquetas para a porta LPT1 (tcp://" +
                      std::string(c.host) + ":" + std::to_string(printer.port()) +
                      "): " + c.reason + ".");
        EXPECT_EQ(names->asked(), 1) << c.reason;
    }
    EXPECT_EQ(printer.accepted(), 0u);
}

TEST_F(NameLookupJobTest, CancelEndsTheWaitForANameServerThatNeverAnswers) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    const auto names = std::make_shared<TestNameServer>(true);
    Job job(*this, networkPrinter("zebra-expedicao", printer.port()), names, kLongLimit);
    auto running = std::async(std::launch::async, [&job] { return job.run(2); });
    const bool asked = names->waitAsked(1);
    job.engine.cancel();
    const bool ended = running.wait_for(kBound) == std::future_status::ready;
    names->release();
    ASSERT_TRUE(asked);
    ASSERT_TRUE(ended) << "the cancel did not end the wait for the name server";
    const printing::JobReport report = running.get();
    EXPECT_EQ(report.end, JobEnd::Cancelled);
    ASSERT_EQ(report.rows.size(), 1u);
    EXPECT_EQ(report.rows[0].outcome, printing::RowOutcome::Cancelled);
    EXPECT_EQ(printer.accepted(), 0u);
}

// The job stopped waiting: the answer that comes afterwards is nobody's, and the thread that
// brings it touches nothing of the job's.
TEST(JobNameLookup, AnswerThatComesAfterTheLimitIsDropped) {
    const auto names = std::make_shared<TestNameServer>(true);
    const std::atomic<bool> notCancelled{false};
    LookupResult late;
    {
        printing::JobNameLookup job(names, kShortLimit, notCancelled);
        late = job.lookUp("zebra-expedicao");
    }
    EXPECT_EQ(late.kind, LookupResult::Kind::NoAnswer);
    EXPECT_TRUE(late.addresses.empty());
    const rotulano::core::Delivery failure = printing::lookupFailure(late);
    EXPECT_EQ(failure.status, "30");
    EXPECT_EQ(failure.reason, "o servidor de nomes não respondeu");
    names->release();
    ASSERT_TRUE(names->waitAnswered(1));

    printing::JobNameLookup next(names, kJobStall, notCancelled);
    const LookupResult found = next.lookUp("zebra-expedicao");
    EXPECT_EQ(found.kind, LookupResult::Kind::Found);
    EXPECT_EQ(found.addresses, std::vector<std::string>{"127.0.0.1"});
    EXPECT_EQ(names->asked(), 2);
    EXPECT_EQ(next.lookUp("zebra-expedicao").addresses, found.addresses);
    EXPECT_EQ(names->asked(), 2) << "a name found is kept for the job";
    next.forget();
    EXPECT_TRUE(next.lookUp("zebra-expedicao").ok());
    EXPECT_EQ(names->asked(), 3);
}

TEST(JobNameLookup, NameNotFoundHasItsOwnMessage) {
    const rotulano::core::Delivery failure =
        printing::lookupFailure(LookupResult::failed(LookupResult::Kind::NotFound));
    EXPECT_EQ(failure.status, "35");
    EXPECT_EQ(failure.reason, "host não encontrado");
    EXPECT_EQ(LookupResult::found({}).kind, LookupResult::Kind::NotFound);
}
