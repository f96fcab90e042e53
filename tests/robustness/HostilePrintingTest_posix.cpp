#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <chrono>
#include <future>
#include <string>
#include <thread>

#include "core/PrinterSettings.h"
#include "labels/RoutineChoice.h"
#include "orders/OrderTestLines.h"
#include "printing/LabelFileBytes.h"
#include "printing/LabelJob.h"
#include "printing/PortSink.h"
#include "printing/SystemPlatform.h"
#include "robustness/HostileFiles.h"
#include "support/WindowFakes.h"

// The print channel with hostile surroundings: logo files that are empty or very large,
// a temporary directory where no print file can be made, and port devices that never
// take the bytes.
namespace {

namespace core = rotulano::core;
namespace labels = rotulano::labels;
namespace printing = rotulano::printing;
using namespace std::chrono_literals;

// A label job over the fakes: port 1 ("LPT1") is recorded, never a real device.
struct JobRig {
    explicit JobRig(int model) : settings(core::PrinterSettings::defaults()) {
        settings.setModel(model);
        platform.tempDirValue = dir.path() + "/";
        channel.state().tempDir = channel.platform().tempDir();
        sink.setPort("LPT1");
    }

    labels::LabelOutput label(char code) const {
        const core::LabelRequest request{core::OrderLine(rotulano::test::itemLine(code)), settings};
        return labels::chooseLabelRoutine(settings.model(), code)(request);
    }

    printing::ChannelResult send(const labels::LabelOutput& output) {
        return job.send(output, settings);
    }

    rotulano::test::ScopedWorkingDir dir;
    rotulano::test::FakePlatform platform;
    core::PrinterSettings settings;
    printing::ChannelState state;
    printing::PrintChannel channel{state, platform};
    printing::PortSink sink{channel};
    printing::LogoDownload logo{sink, dir.path()};
    printing::LabelJob job{sink, logo};
};

struct LogoCase {
    int model;
    const char* file;
    std::size_t size;
};

void PrintTo(const LogoCase& c, std::ostream* os) {
    *os << "model " << c.model << ", " << c.size << " bytes";
}

class HostileLogos : public ::testing::TestWithParam<LogoCase> {};

// A logo of 5 MB goes to the printer whole, ahead of the label. An empty logo file is no
// logo: it is not sent (a DPL image header with no picture behind it would make the
// printer read the label as the image), the operator is told once, and the label prints.
TEST_P(HostileLogos, AreSentWholeOrNotAtAll) {
    const LogoCase& c = GetParam();
    JobRig rig(c.model);
    rotulano::test::writePatternFile(rig.dir.file(c.file), c.size);
    const labels::LabelOutput output = rig.label('1');
    ASSERT_EQ(output.logo, labels::LogoPoint::AfterNaming);

    const printing::ChannelResult result = rig.send(output);
    EXPECT_TRUE(result.ok());
    const std::string label = printing::labelFileBytes(output.lines);
    const std::string& sent = rig.platform.sent["LPT1"];
    if (c.size == 0) {
        EXPECT_EQ(sent, label);
        ASSERT_EQ(result.warnings.size(), 1U);
        EXPECT_EQ(result.warnings[0].title, "ATENÇÃO");
        EXPECT_EQ(result.warnings[0].text, "Arquivo do logotipo " + rig.dir.file(c.file) +
                                               " está vazio: as etiquetas sairão sem o logotipo");
        EXPECT_TRUE(rig.platform.sleeps.empty());
    } else {
        const std::string logo = rotulano::test::readBytes(rig.dir.file(c.file));
        // Model 6 sends the graphic file as it is; model 1 sends it behind the clear,
        // prefix and image header records.
        const std::string dplRecords(
            "\x02qC\r\n\x01"
            "D\r\n\x02ICBLOGOVRDL\r\n");
        const std::string download = c.model >= 5 ? logo : dplRecords + logo;
        EXPECT_TRUE(sent == download + label) << "sent " << sent.size() << " bytes";
        EXPECT_TRUE(result.warnings.empty());
    }
    EXPECT_TRUE(rig.logo.loaded());
}

INSTANTIATE_TEST_SUITE_P(Sizes, HostileLogos,
                         ::testing::Values(LogoCase{6, "LOGOVRDL.GRF", 0},
                                           LogoCase{6, "LOGOVRDL.GRF", 5 * 1024 * 1024},
                                           LogoCase{1, "LOGOVRDL.BMP", 0},
                                           LogoCase{2, "LOGOVRDL.BMP", 0},
                                           LogoCase{1, "LOGOVRDL.BMP", 5 * 1024 * 1024}));

// No print file can be made: the label is reported as not printed and nothing of it
// reaches the port.
TEST(HostileTempDir, ALabelThatCannotBeWrittenIsNeverSent) {
    JobRig rig(1);
    rotulano::test::writeBytes(rig.dir.file("arquivo"), "x");
    for (const std::string& temp :
         {rig.dir.file("nao-existe") + "/", rig.dir.file("arquivo") + "/", std::string("/proc/")}) {
        SCOPED_TRACE(temp);
        rig.platform.sent.clear();
        rig.platform.tempDirValue = temp;
        rig.channel.state().tempDir = rig.channel.platform().tempDir();
        const printing::ChannelResult result = rig.send(rig.label('2'));
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.failedStep, printing::ChannelStep::PrintFile);
        EXPECT_NE(result.status, "00");
        EXPECT_EQ(result.failedName.rfind(temp, 0), 0U) << result.failedName;
        EXPECT_TRUE(rig.platform.sent.empty());
    }
}

// A named pipe standing for a port: nobody reading it at all, or a reader that never
// takes anything.
class StalledPort : public ::testing::Test {
  protected:
    void SetUp() override {
        fifo = dir.file("LPT1");
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    }

    // Sends `bytes` in the background and waits at most `limit` for the answer. A send
    // still blocked then is released by draining the pipe, so the test itself never hangs.
    core::FileStatus sendWithin(const std::string& bytes, std::chrono::seconds limit, int reader) {
        printing::SystemPlatform platform(1s);
        auto sending =
            std::async(std::launch::async, [&] { return platform.sendToDevice(fifo, bytes); });
        if (sending.wait_for(limit) == std::future_status::timeout) {
            ADD_FAILURE() << "the send to a port that takes nothing never returned";
            char sink[4096];
            while (sending.wait_for(10ms) == std::future_status::timeout) {
                while (::read(reader, sink, sizeof sink) > 0) {
                }
            }
        }
        return sending.get();
    }

    rotulano::test::ScopedWorkingDir dir;
    std::string fifo;
};

TEST_F(StalledPort, APortNobodyReadsIsReportedAtOnce) {
    printing::SystemPlatform platform;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_NE(platform.sendToDevice(fifo, "^XA^XZ\r\n"), "00");
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

TEST_F(StalledPort, APortThatStopsTakingBytesIsGivenUpAfterTheStallTime) {
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const std::string label(4 * 1024 * 1024, 'Z');
    EXPECT_EQ(sendWithin(label, 20s, reader), "30");
    ::close(reader);
}

// The reader of the pipe goes away in the middle of a label: the send fails with a
// status, and the program goes on.
TEST_F(StalledPort, APortWhoseReaderGoesAwayFailsWithoutEndingTheProgram) {
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    printing::SystemPlatform platform(5s);
    auto sending = std::async(std::launch::async, [&] {
        return platform.sendToDevice(fifo, std::string(4 * 1024 * 1024, 'P'));
    });
    std::this_thread::sleep_for(200ms);
    ::close(reader);
    ASSERT_EQ(sending.wait_for(20s), std::future_status::ready);
    EXPECT_NE(sending.get(), "00");
}

// A serial line whose printer never reads: the other side of a pseudo-terminal that is
// held open and never read.
TEST(StalledTerminal, IsGivenUpAfterTheStallTime) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    ASSERT_EQ(::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK), 0);
    const std::string port = ::ptsname(master);
    printing::SystemPlatform platform(1s);
    auto sending = std::async(std::launch::async, [&] {
        return platform.sendToDevice(port, std::string(1024 * 1024, 'D'));
    });
    const bool returned = sending.wait_for(20s) == std::future_status::ready;
    EXPECT_TRUE(returned) << "the send to a terminal that takes nothing never returned";
    char sink[4096];
    while (!returned && sending.wait_for(10ms) == std::future_status::timeout) {
        while (::read(master, sink, sizeof sink) > 0) {
        }
    }
    EXPECT_EQ(sending.get(), "30");
    ::close(master);
}

}  // namespace
