#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QProcess>
#include <QRegularExpression>
#include <chrono>
#include <csignal>

#include "RenderProcessFixture.h"
#include "printing/TcpListener.h"

// rotulano-render --send in a folder of its own: made when the run starts, removed with
// its files when it ends, also when an end signal cancels the job.
namespace rotulano::test {
namespace {

using std::chrono::seconds;

constexpr int kModel = 5;  // a Zebra: the logo goes out before row 1's labels

// A logo larger than what the system buffers on both ends of a connection, so that a
// printer that stops reading holds row 1 in flight.
void writeLargeLogo(const std::string& dir) {
    const std::size_t size = 8 * 1024 * 1024;
    writeBytes(dir + "/LOGOVRDL.GRF",
               "~DGR:LOGOVRDL.GRF," + std::to_string(size) + ",32," + std::string(size, 'F'));
}

struct SignalCase {
    const char* name;
    int signal;
    int exitCode;
};

class RenderSendSignalTest : public RenderProcessTest,
                             public ::testing::WithParamInterface<SignalCase> {
  protected:
    QStringList sendTo(const TcpListener& printer) {
        const std::string logos = work("logos");
        EXPECT_TRUE(QDir().mkpath(qs(logos)));
        writeLargeLogo(logos);
        return {sampleOrder(),
                QStringLiteral("--settings"),
                qs(writeSettings(kModel)),
                QStringLiteral("--logo-dir"),
                qs(logos),
                QStringLiteral("--rows"),
                QStringLiteral("1,2"),
                QStringLiteral("--send"),
                QStringLiteral("--no-status"),
                QStringLiteral("--port"),
                qs("tcp://127.0.0.1:" + std::to_string(printer.port()))};
    }

    // The run's folder while it runs: the only entry of its temporary directory, named
    // rotulano-render-XXXXXX, mode 0700.
    void expectOwnFolder() {
        const QStringList entries = tempDirEntries();
        ASSERT_EQ(entries.size(), 1) << entries.join(u',').toStdString();
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^rotulano-render-[A-Za-z0-9]{6}$"))
                        .match(entries[0])
                        .hasMatch())
            << entries[0].toStdString();
        struct stat st {};
        const std::string folder = tempDir_.filePath(entries[0]).toStdString();
        ASSERT_EQ(::lstat(folder.c_str(), &st), 0);
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        EXPECT_EQ(st.st_mode & 07777, 0700U);
    }
};

TEST_P(RenderSendSignalTest, CancelsTheJobRemovesItsFolderAndEndsNormally) {
    TcpListener printer(4096);
    ASSERT_TRUE(printer.ready());
    printer.neverRead(0);
    QProcess process;
    start(process, sendTo(printer));
    ASSERT_TRUE(process.waitForStarted(10000));
    ASSERT_TRUE(waitUntil([&] { return printer.accepted() >= 1; }, seconds(60)));
    expectOwnFolder();

    ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), GetParam().signal), 0);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), GetParam().exitCode);
    const std::string err = process.readAllStandardError().toStdString();
    const std::string last =
        kTag + "envio cancelado por " + GetParam().name + ": 0 linhas enviadas\n";
    ASSERT_GE(err.size(), last.size()) << err;
    EXPECT_EQ(err.substr(err.size() - last.size()), last) << err;
    EXPECT_EQ(process.readAllStandardOutput().toStdString(), "");
    EXPECT_TRUE(tempDirEntries().isEmpty()) << tempDirEntries().join(u',').toStdString();
    // Row 2 never went out.
    EXPECT_EQ(printer.accepted(), 1U);
}

INSTANTIATE_TEST_SUITE_P(Signals, RenderSendSignalTest,
                         ::testing::Values(SignalCase{"SIGTERM", SIGTERM, 128 + SIGTERM},
                                           SignalCase{"SIGHUP", SIGHUP, 128 + SIGHUP},
                                           SignalCase{"SIGINT", SIGINT, 128 + SIGINT}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rotulano::test
