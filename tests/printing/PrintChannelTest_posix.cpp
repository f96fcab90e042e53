#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <functional>

#include <sys/stat.h>

#include "RecordingPlatform.h"
#include "printing/LabelFileBytes.h"
#include "printing/PortJob.h"
#include "printing/PrintChannel.h"
#include "support/TestSupport.h"

using rotulano::printing::ChannelResult;
using rotulano::printing::ChannelState;
using rotulano::printing::ChannelStep;
using rotulano::printing::labelFileBytes;
using rotulano::printing::PrintChannel;
using rotulano::test::readBytes;
using rotulano::test::RecordingPlatform;

namespace {

const std::atomic<bool> kNoStop{false};

bool exists(const std::string& path) {
    return QFileInfo::exists(QString::fromStdString(path));
}

// A channel over a fake platform whose temporary directory is a real, empty one.
class PrintChannelTest : public ::testing::Test {
  protected:
    PrintChannelTest() {
        platform_.temp = dir_.path().toStdString() + "/";
        platform_.devices["LPT1"] = "/dev/usb/lp0";
        channel_.state().tempDir = channel_.platform().tempDir();
    }
    std::string temp() const { return platform_.temp; }

    QTemporaryDir dir_;
    RecordingPlatform platform_;
    ChannelState state_;
    PrintChannel channel_{state_, platform_};
};

}  // namespace

const std::string kLongDir = "/" + std::string(299, 'd') + "/";
const std::string kLongName = kLongDir + "09050703.TXT";

struct NamingCase {
    const char* tempDir;
    const char* clock;
    const char* printFileName;
};

class PrintFileNaming : public ::testing::TestWithParam<NamingCase> {};

TEST_P(PrintFileNaming, TempDirThenTimeOfDayThenTxt) {
    const NamingCase& c = GetParam();
    RecordingPlatform platform;
    platform.temp = c.tempDir;
    platform.clock = c.clock;
    ChannelState state;
    PrintChannel channel(state, platform);
    channel.state().tempDir = channel.platform().tempDir();
    channel.rotinaNomePrint();
    EXPECT_EQ(state.printFileName, c.printFileName);
    EXPECT_TRUE(platform.deleted.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Clock, PrintFileNaming,
    ::testing::Values(NamingCase{"C:\\TEMP\\", "2026030909050703-0300", "C:\\TEMP\\09050703.TXT"},
                      NamingCase{"/tmp/", "2026123123595999+0000", "/tmp/23595999.TXT"},
                      NamingCase{"/tmp/", "2027010100000000+0130", "/tmp/00000000.TXT"},
                      NamingCase{"", "2026030909050703-0300", "09050703.TXT"},
                      // A directory name past 243 characters is used whole.
                      NamingCase{kLongDir.c_str(), "2026030909050703-0300", kLongName.c_str()}));

// The run's print folder is made inside the system's temporary directory, whole, and
// there is no print file yet.
TEST(PrintFileNamingState, OpenPrintFolderTakesTheSystemDirAndForgetsThePrintFile) {
    QTemporaryDir shared;
    ASSERT_TRUE(shared.isValid());
    RecordingPlatform platform;
    platform.temp = shared.path().toStdString() + "/";
    ChannelState state;
    state.printFileName = "/old/01020304.TXT";
    rotulano::printing::openPrintFolder(state, platform, "rotulano");
    EXPECT_EQ(state.sharedTempDir, platform.temp);
    ASSERT_EQ(state.tempDir.rfind(platform.temp + "rotulano-", 0), 0U) << state.tempDir;
    EXPECT_EQ(state.tempDir.size(), platform.temp.size() + std::string("rotulano-XXXXXX/").size());
    EXPECT_EQ(state.printFileName, "");
}

TEST_F(PrintChannelTest, NextNamingDeletesThePreviousPrintFile) {
    channel_.rotinaNomePrint();
    const std::string first = state_.printFileName;
    ChannelResult result;
    ASSERT_TRUE(channel_.writePrintFile({"E"}, result));
    ASSERT_TRUE(exists(first));
    platform_.clock = "2026030909051200-0300";
    channel_.rotinaNomePrint();
    EXPECT_EQ(platform_.deleted, std::vector<std::string>{first});
    EXPECT_FALSE(exists(first));
    EXPECT_EQ(state_.printFileName, temp() + "09051200.TXT");
}

TEST_F(PrintChannelTest, CloseDeletesTheLastPrintFileAndLeavesNothing) {
    channel_.rotinaNomePrint();
    ChannelResult result;
    ASSERT_TRUE(channel_.writePrintFile({"E"}, result));
    ASSERT_TRUE(channel_.copyPrintFile("LPT1", result, kNoStop));
    channel_.deletePrintFile();
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(PrintChannelTest, RecordStxQCReachesThePortAsThreeBytesAndCrLf) {
    channel_.rotinaNomePrint();
    ChannelResult result;
    ASSERT_TRUE(channel_.writePrintFile({"\x02qC"}, result));
    ASSERT_TRUE(channel_.copyPrintFile("LPT1", result, kNoStop));
    EXPECT_TRUE(result.ok());
    ASSERT_EQ(platform_.sent.size(), 1u);
    EXPECT_EQ(platform_.sent[0].device, "/dev/usb/lp0");
    EXPECT_EQ(platform_.sent[0].bytes, std::string("\x02qC\r\n", 5));
    // The print file stays for inspection until the next naming.
    EXPECT_EQ(readBytes(state_.printFileName), std::string("\x02qC\r\n", 5));
}

TEST_F(PrintChannelTest, RewritingThePrintFileDropsItsOldContent) {
    channel_.rotinaNomePrint();
    ChannelResult result;
    ASSERT_TRUE(channel_.writePrintFile({"first record, longer", "second"}, result));
    ASSERT_TRUE(channel_.writePrintFile({"\x01"
                                         "D",
                                         "\x02ICBLOGOVRDL"},
                                        result));
    EXPECT_EQ(readBytes(state_.printFileName),
              "\x01"
              "D\r\n\x02ICBLOGOVRDL\r\n");
}

TEST_F(PrintChannelTest, UnwritableTempDirIsAPrintFileFailureAndNothingIsSent) {
    state_.tempDir = temp() + "no-such-dir/";
    channel_.rotinaNomePrint();
    ChannelResult result;
    EXPECT_FALSE(channel_.writePrintFile({"E"}, result));
    EXPECT_EQ(result.failedStep, ChannelStep::PrintFile);
    EXPECT_EQ(result.status, "35");
    EXPECT_EQ(result.failedName, temp() + "no-such-dir/09050703.TXT");
    EXPECT_FALSE(channel_.copyPrintFile("LPT1", result, kNoStop));
    EXPECT_TRUE(platform_.sent.empty());
}

TEST_F(PrintChannelTest, RefusedPortIsAPortCopyFailureNamingTheDevice) {
    platform_.refusingDevices.insert("/dev/usb/lp0");
    channel_.rotinaNomePrint();
    ChannelResult result;
    ASSERT_TRUE(channel_.writePrintFile({"E"}, result));
    EXPECT_FALSE(channel_.copyPrintFile("LPT1", result, kNoStop));
    EXPECT_EQ(result.failedStep, ChannelStep::PortCopy);
    EXPECT_EQ(result.status, "35");
    EXPECT_EQ(result.failedName, "/dev/usb/lp0");
}

TEST_F(PrintChannelTest, FirstFailureIsKept) {
    ChannelResult result;
    result.fail(ChannelStep::PortCopy, "35", "/dev/ttyS0");
    result.fail(ChannelStep::PrintFile, "30", "/tmp/x.TXT");
    EXPECT_EQ(result.failedStep, ChannelStep::PortCopy);
    EXPECT_EQ(result.status, "35");
    EXPECT_EQ(result.failedName, "/dev/ttyS0");
}

TEST(LabelFileBytesTest, EveryLineEndsWithCrLfAndNothingElseIsAdded) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(labelFileBytes(Lines{}), "");
    EXPECT_EQ(labelFileBytes(Lines{""}), "\r\n");
    EXPECT_EQ(labelFileBytes(Lines{"^XA",
                                   "^FO10,10^FDPe\xe7"
                                   "a ^FS",
                                   "^XZ"}),
              "^XA\r\n^FO10,10^FDPe\xe7"
              "a ^FS\r\n^XZ\r\n");
    EXPECT_EQ(labelFileBytes(Lines{std::string("\x02L\n\xd8\0", 5)}),
              std::string("\x02L\n\xd8\0\r\n", 7));
}

// What reaches the port is what was written into the print file: a print file swapped
// meanwhile for a named pipe (which would wait for a writer forever) or grown past what
// was written is not read, and nothing is sent.
TEST_F(PrintChannelTest, PrintFileSwappedOrGrownIsNotSent) {
    struct Swap {
        const char* name;
        std::function<bool(const std::string&)> replace;
        const char* status;
    };
    const std::vector<Swap> swaps = {
        {"named pipe",
         [](const std::string& path) {
             return std::remove(path.c_str()) == 0 && ::mkfifo(path.c_str(), 0600) == 0;
         },
         "96"},
        {"grown",
         [](const std::string& path) {
             std::ofstream(path, std::ios::binary | std::ios::app) << "^XA^XZ";
             return true;
         },
         "34"}};
    for (const Swap& swap : swaps) {
        SCOPED_TRACE(swap.name);
        channel_.rotinaNomePrint();
        ChannelResult result;
        ASSERT_TRUE(channel_.writePrintFile({"E"}, result));
        ASSERT_TRUE(swap.replace(state_.printFileName));
        EXPECT_FALSE(channel_.copyPrintFile("LPT1", result, kNoStop));
        EXPECT_EQ(result.failedStep, ChannelStep::PrintFile);
        EXPECT_EQ(result.status, swap.status);
        EXPECT_EQ(result.failedName, state_.printFileName);
        EXPECT_TRUE(platform_.sent.empty());
    }
}
