#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <set>
#include <string>
#include <vector>

#include "labels/RoutineChoice.h"
#include "orders/OrderTestLines.h"
#include "printing/LabelFileBytes.h"
#include "printing/MemorySink.h"
#include "printing/PrintEngine.h"
#include "printing/RowJob.h"
#include "support/TestSupport.h"

// The print engine over a destination that the test scripts: what it writes, in which
// order, what it reports row by row, and where it stops.
namespace {

namespace core = rotulano::core;
namespace printing = rotulano::printing;
using printing::JobEnd;
using printing::PortCheck;
using printing::RowOutcome;
using rotulano::test::itemLine;

const std::string kGraphic = "~DGR:LOGOVRDL.GRF,2,1,FF00";

// Records every write and pause; write number `failingWrite` (from 1) fails with "30";
// prepare() answers `check` the first time, Ready afterwards.
class ScriptedSink : public printing::JobSink {
  public:
    PortCheck prepare(const core::PrinterSettings&) override {
        events.push_back("prepare");
        const PortCheck answer = check;
        check = {};
        return answer;
    }
    void confirmSetUp() override { events.push_back("confirmed"); }
    void beginRow() override { events.push_back("begin"); }
    bool write(const std::string& bytes, printing::ChannelResult& result) override {
        writes.push_back(bytes);
        events.push_back("write");
        if (static_cast<int>(writes.size()) == failingWrite) {
            result.fail(printing::ChannelStep::PortCopy, core::kStatusIoError, "/dev/ttyS0",
                        "COM1");
            return false;
        }
        return true;
    }
    void pause(std::chrono::milliseconds) override { events.push_back("pause"); }
    bool finishRow(printing::ChannelResult&) override {
        events.push_back("finish");
        return true;
    }
    void cancel() override { events.push_back("cancel"); }

    PortCheck check;
    int failingWrite = 0;
    std::vector<std::string> writes;
    std::vector<std::string> events;
};

// Records what the engine tells, and can cancel the job when a row starts.
class RecordingObserver : public printing::JobObserver {
  public:
    explicit RecordingObserver(printing::PrintEngine* engine = nullptr) : engine_(engine) {}
    void rowStarting(int index, int count, const printing::JobRow& row,
                     const core::LabelRequest&) override {
        started.push_back(std::to_string(index) + "/" + std::to_string(count) + " row " +
                          std::to_string(row.row));
        if (engine_ != nullptr && index == cancelAt) {
            engine_->cancel();
        }
    }
    void rowEnded(const printing::RowReport& report, long long labelsSent) override {
        sent.push_back(labelsSent);
        (void)report;
    }
    void setUpConfirmed(const PortCheck& check) override { confirmed.push_back(check.name); }
    void warning(const printing::ChannelWarning& warning) override {
        warnings.push_back(warning.text);
    }

    int cancelAt = 0;
    std::vector<std::string> started;
    std::vector<long long> sent;
    std::vector<std::string> confirmed;
    std::vector<std::string> warnings;

  private:
    printing::PrintEngine* engine_;
};

class PrintEngineTest : public ::testing::Test {
  protected:
    PrintEngineTest() {
        rotulano::test::writeBytes(logos_.filePath("LOGOVRDL.GRF").toStdString(), kGraphic);
    }

    // Rows 1 to n of small adhesives (no logo) of 10, 20, 30... labels.
    printing::JobRequest adhesives(int count) const {
        printing::JobRequest request;
        request.orderNumber = "004711";
        request.settings = core::PrinterSettings::defaults();
        request.settings.setModel(5);
        request.settings.setPort(1);
        for (int row = 1; row <= count; ++row) {
            request.rows.push_back({row, itemLine('2'), 10LL * row});
        }
        return request;
    }
    printing::JobReport run(const printing::JobRequest& request) {
        return engine_.run(request, observer_);
    }
    std::vector<RowOutcome> outcomes(const printing::JobReport& report) const {
        std::vector<RowOutcome> all;
        for (const auto& row : report.rows) {
            all.push_back(row.outcome);
        }
        return all;
    }

    QTemporaryDir logos_;
    ScriptedSink sink_;
    printing::PrintEngine engine_{sink_, logos_.path().toStdString()};
    RecordingObserver observer_{&engine_};
};

}  // namespace

TEST_F(PrintEngineTest, EveryRowIsOneLabelFileWithItsCountAndProgress) {
    const printing::JobReport report = run(adhesives(3));
    EXPECT_EQ(report.end, JobEnd::Normal);
    EXPECT_EQ(outcomes(report), std::vector<RowOutcome>(3, RowOutcome::Printed));
    EXPECT_EQ(sink_.writes.size(), 3U);
    EXPECT_EQ(observer_.started, (std::vector<std::string>{"1/3 row 1", "2/3 row 2", "3/3 row 3"}));
    EXPECT_EQ(observer_.sent, (std::vector<long long>{10, 30, 60}));
    EXPECT_EQ(report.labelsSent, 60);
    EXPECT_EQ(sink_.events,
              (std::vector<std::string>{"prepare", "begin", "write", "finish", "prepare", "begin",
                                        "write", "finish", "prepare", "begin", "write", "finish"}));
}

// The first failure ends the row and the job: nothing more goes to that destination.
TEST_F(PrintEngineTest, TheFirstFailedWriteEndsTheRowAndTheJob) {
    sink_.failingWrite = 2;
    const printing::JobReport report = run(adhesives(4));
    EXPECT_EQ(report.end, JobEnd::RowFailed);
    EXPECT_EQ(outcomes(report), (std::vector<RowOutcome>{RowOutcome::Printed, RowOutcome::Failed}));
    EXPECT_EQ(sink_.writes.size(), 2U);
    EXPECT_EQ(report.rows[1].channel.portName, "COM1");
    EXPECT_EQ(report.rows[1].channel.failedName, "/dev/ttyS0");
    EXPECT_EQ(report.labelsSent, 10);
    EXPECT_EQ(observer_.started.size(), 2U);
}

// A logo download the destination refuses stops its row before any label: the printer
// would print them without the logo while the row counted as printed.
TEST_F(PrintEngineTest, ARefusedLogoSendsNoLabelBytes) {
    sink_.failingWrite = 1;
    printing::JobRequest request = adhesives(1);
    request.rows[0].line = itemLine('1');  // a tag shows the logo
    const printing::JobReport report = run(request);
    EXPECT_EQ(report.end, JobEnd::RowFailed);
    EXPECT_EQ(sink_.writes, std::vector<std::string>{kGraphic});
    EXPECT_EQ(std::count(sink_.events.begin(), sink_.events.end(), "pause"), 0);
}

TEST_F(PrintEngineTest, TheLogoGoesOnceAJobAndAgainInTheNext) {
    printing::JobRequest request = adhesives(3);
    for (auto& row : request.rows) {
        row.line = itemLine('1');
    }
    run(request);
    run(request);
    ASSERT_EQ(sink_.writes.size(), 8U);
    EXPECT_EQ(sink_.writes[0], kGraphic);
    EXPECT_EQ(sink_.writes[4], kGraphic);
}

// A cancel takes effect between rows: the rows done stay printed, the rest not reached.
TEST_F(PrintEngineTest, ACancelEndsTheJobBeforeTheNextRow) {
    observer_.cancelAt = 3;  // while row 3 starts: it still goes out whole
    const printing::JobReport report = run(adhesives(5));
    EXPECT_EQ(report.end, JobEnd::Cancelled);
    EXPECT_EQ(outcomes(report), std::vector<RowOutcome>(3, RowOutcome::Printed));
    EXPECT_EQ(sink_.writes.size(), 3U);
    EXPECT_NE(std::find(sink_.events.begin(), sink_.events.end(), "cancel"), sink_.events.end());
}

TEST_F(PrintEngineTest, ARowWithoutALayoutCountsAsPrintedAndSendsNothing) {
    printing::JobRequest request = adhesives(2);
    request.rows[0].line = itemLine('B');
    const printing::JobReport report = run(request);
    EXPECT_EQ(report.end, JobEnd::Normal);
    EXPECT_FALSE(report.rows[0].hasLayout);
    EXPECT_EQ(report.rows[0].outcome, RowOutcome::Printed);
    EXPECT_EQ(sink_.writes.size(), 1U);
}

struct EarlyEnd {
    PortCheck::Kind kind;
    JobEnd end;
};

class PrintEngineEarlyEnd : public PrintEngineTest,
                            public ::testing::WithParamInterface<EarlyEnd> {};

// The destination is not usable: nothing is sent and no row is reached.
TEST_P(PrintEngineEarlyEnd, NothingIsSent) {
    sink_.check = {GetParam().kind, "35", "COM2"};
    const printing::JobReport report = run(adhesives(2));
    EXPECT_EQ(report.end, GetParam().end);
    EXPECT_EQ(report.check.status, "35");
    EXPECT_TRUE(report.rows.empty());
    EXPECT_TRUE(sink_.writes.empty());
    EXPECT_TRUE(observer_.confirmed.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Checks, PrintEngineEarlyEnd,
    ::testing::Values(EarlyEnd{PortCheck::Kind::InvalidPort, JobEnd::InvalidPort},
                      EarlyEnd{PortCheck::Kind::SerialFailure, JobEnd::SerialFailure},
                      EarlyEnd{PortCheck::Kind::NoPrintFolder, JobEnd::NoPrintFolder}));

// A COM port set up for the first row is confirmed by the operator before any byte.
TEST_F(PrintEngineTest, ASerialSetUpIsConfirmedBeforeTheFirstLabel) {
    sink_.check = {PortCheck::Kind::SerialSetUp, "00", "COM1"};
    run(adhesives(2));
    EXPECT_EQ(observer_.confirmed, std::vector<std::string>{"COM1"});
    ASSERT_GE(sink_.events.size(), 3U);
    EXPECT_EQ(sink_.events[0], "prepare");
    EXPECT_EQ(sink_.events[1], "confirmed");
}

TEST_F(PrintEngineTest, AMissingLogoIsToldOnceAndTheLabelsGo) {
    QFile::remove(logos_.filePath("LOGOVRDL.GRF"));
    printing::JobRequest request = adhesives(2);
    request.rows[0].line = itemLine('1');
    request.rows[1].line = itemLine('8');
    const printing::JobReport report = run(request);
    EXPECT_EQ(report.end, JobEnd::Normal);
    EXPECT_EQ(observer_.warnings.size(), 1U);
    EXPECT_EQ(sink_.writes.size(), 2U);
}

// The memory sink keeps exactly what the printer would get: each row's label file.
TEST(MemorySinkTest, KeepsTheJobsBytesInOrder) {
    printing::MemorySink sink;
    printing::PrintEngine engine(sink);
    printing::JobObserver quiet;
    printing::JobRequest request;
    request.orderNumber = "004711";
    request.settings.setModel(5);
    request.rows = {{1, itemLine('2', "000003"), 3}, {2, itemLine('A', "000001"), 1}};
    const printing::JobReport report = engine.run(request, quiet);
    EXPECT_EQ(report.end, JobEnd::Normal);
    EXPECT_EQ(report.labelsSent, 4);
    std::string expected;
    for (const printing::JobRow& row : request.rows) {
        const core::LabelRequest label =
            printing::rowRequest(row.line, row.quantity, "004711", request.settings);
        expected += printing::labelFileBytes(
            rotulano::labels::chooseLabelRoutine(5, row.line[1])(label).lines);
    }
    EXPECT_EQ(sink.bytes(), expected);
}

// A row of 0 labels (a count of 1000000 keeps six zeros) is refused before it starts: the
// rows before it printed, nothing of it or after it reaches the destination.
TEST_F(PrintEngineTest, ARowOfZeroLabelsEndsTheJobBeforeItStarts) {
    for (const long long quantity : {0LL, 1000000LL}) {
        SCOPED_TRACE(quantity);
        ScriptedSink sink;
        printing::PrintEngine engine{sink, logos_.path().toStdString()};
        RecordingObserver observer;
        printing::JobRequest request = adhesives(3);
        request.rows[1].quantity = quantity;
        const printing::JobReport report = engine.run(request, observer);
        EXPECT_EQ(report.end, JobEnd::NoLabels);
        EXPECT_EQ(outcomes(report),
                  (std::vector<RowOutcome>{RowOutcome::Printed, RowOutcome::Failed}));
        ASSERT_EQ(report.rows.size(), 2U);
        EXPECT_EQ(report.rows[1].row, 2);
        EXPECT_EQ(report.labelsSent, 10);
        EXPECT_EQ(sink.writes.size(), 1U);
        EXPECT_EQ(observer.started, (std::vector<std::string>{"1/3 row 1"}));
    }
}
