#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "RecordingPlatform.h"
#include "printing/LabelJob.h"
#include "printing/PortSink.h"
#include "support/TestSupport.h"

using rotulano::core::PrinterSettings;
using rotulano::labels::LabelOutput;
using rotulano::labels::LogoPoint;
using rotulano::printing::ChannelState;
using rotulano::printing::ChannelStep;
using rotulano::printing::LabelJob;
using rotulano::printing::LogoDownload;
using rotulano::printing::PortCheck;
using rotulano::printing::PortSink;
using rotulano::printing::PrintChannel;
using rotulano::test::RecordingPlatform;
using rotulano::test::writeBytes;

namespace {

const std::string kGraphic = "~DGR:LOGOVRDL.GRF,2,1,FF00";
const std::string kBitmap = std::string("BM\0\xd8", 4);

PrinterSettings settingsFor(int model, int port) {
    PrinterSettings settings = PrinterSettings::defaults();
    settings.setModel(model);
    settings.setPort(port);
    return settings;
}

LabelOutput zplTag(LogoPoint logo) {
    return {logo, {"^XA", "^XGR:LOGOVRDL.GRF,1,1^FS", "^PQ0001", "^XZ"}};
}

class LabelJobTest : public ::testing::Test {
  protected:
    LabelJobTest() {
        platform_.temp = temp_.path().toStdString() + "/";
        platform_.devices = {{"LPT1", "/dev/usb/lp0"}, {"COM3", "/dev/ttyS2"}};
        channel_.state().tempDir = channel_.platform().tempDir();
        state_.serialPortConfigured = true;
        writeBytes(logos_.filePath("LOGOVRDL.GRF").toStdString(), kGraphic);
        writeBytes(logos_.filePath("LOGOVRDL.BMP").toStdString(), kBitmap);
    }

    QTemporaryDir temp_;
    QTemporaryDir logos_;
    RecordingPlatform platform_;
    ChannelState state_;
    PrintChannel channel_{state_, platform_};
    PortSink sink_{channel_};
    LogoDownload logo_{sink_, logos_.path().toStdString()};
    LabelJob job_{sink_, logo_};

    // The label job as the engine runs it: the sink made ready for the saved port first.
    rotulano::printing::ChannelResult send(const LabelOutput& output, int model, int port) {
        const PrinterSettings settings = settingsFor(model, port);
        EXPECT_EQ(sink_.prepare(settings).kind, PortCheck::Kind::Ready);
        return job_.send(output, settings);
    }
};

}  // namespace

TEST_F(LabelJobTest, LabelWithoutLogoIsItsLinesWithCrLfOnTheSettingsPort) {
    const auto result = send(zplTag(LogoPoint::None), 5, 5);
    EXPECT_TRUE(result.ok());
    ASSERT_EQ(platform_.sent.size(), 1u);
    EXPECT_EQ(platform_.sent[0].device, "/dev/ttyS2");
    EXPECT_EQ(platform_.sent[0].bytes, "^XA\r\n^XGR:LOGOVRDL.GRF,1,1^FS\r\n^PQ0001\r\n^XZ\r\n");
    EXPECT_FALSE(logo_.loaded());
}

TEST_F(LabelJobTest, ThreeZplTagsSendTheLogoOnceBeforeTheFirst) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(send(zplTag(LogoPoint::AfterNaming), 6, 1).ok());
    }
    const std::string tag = "^XA\r\n^XGR:LOGOVRDL.GRF,1,1^FS\r\n^PQ0001\r\n^XZ\r\n";
    EXPECT_EQ(platform_.allSent(), kGraphic + tag + tag + tag);
    EXPECT_EQ(platform_.sleeps.size(), 1u);
}

TEST_F(LabelJobTest, DplLogoBeforeNamingPrecedesTheLabel) {
    const LabelOutput towel{LogoPoint::BeforeNaming, {std::string("\x02L", 2), "E"}};
    EXPECT_TRUE(send(towel, 2, 1).ok());
    EXPECT_EQ(platform_.allSent(), std::string("\x02qC\r\n\x02ICBLOGOVRDL\r\n", 19) + kBitmap +
                                       std::string("\x02L\r\nE\r\n", 7));
}

TEST_F(LabelJobTest, OnlyOnePrintFileIsLeftAfterALogoJob) {
    platform_.clock = "2026030909050703-0300";
    send(zplTag(LogoPoint::AfterNaming), 5, 1);
    platform_.clock = "2026030909050800-0300";
    send(zplTag(LogoPoint::AfterNaming), 5, 1);
    EXPECT_EQ(QDir(temp_.path()).entryList(QDir::Files), QStringList{"09050800.TXT"});
}

TEST_F(LabelJobTest, MissingLogoIsAWarningAndTheLabelsStillGo) {
    QFile::remove(logos_.filePath("LOGOVRDL.GRF"));
    const auto first = send(zplTag(LogoPoint::AfterNaming), 5, 1);
    const auto second = send(zplTag(LogoPoint::AfterNaming), 5, 1);
    EXPECT_TRUE(first.ok());
    EXPECT_EQ(first.warnings.size(), 1u);
    EXPECT_TRUE(second.warnings.empty());
    EXPECT_EQ(platform_.sent.size(), 2u);
}

TEST_F(LabelJobTest, UnwritableTempDirIsReportedAndNothingIsSent) {
    state_.tempDir = platform_.temp + "gone/";
    const auto result = send(zplTag(LogoPoint::None), 5, 1);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.failedStep, ChannelStep::PrintFile);
    EXPECT_EQ(result.status, "35");
    EXPECT_TRUE(platform_.sent.empty());
}

TEST_F(LabelJobTest, FailingDeviceIsReportedNotPassedOffAsPrinted) {
    // A device that is not there, in each system's device namespace: nothing may ever be
    // created in its place (under Wine, "/dev/..." would be a file on drive Z:).
#ifdef _WIN32
    const std::string missing = "\\\\.\\COM200";
#else
    const std::string missing = "/dev/rotulano-no-such-printer";
#endif
    platform_.deliver = true;
    platform_.devices["LPT1"] = missing;
    const auto result = send(zplTag(LogoPoint::None), 5, 1);
    EXPECT_EQ(result.failedStep, ChannelStep::PortCopy);
    EXPECT_EQ(result.status, "35");
    EXPECT_EQ(result.failedName, missing);
}

TEST_F(LabelJobTest, PortOutsideTheListIsRefusedBeforeAnythingIsSent) {
    EXPECT_EQ(sink_.prepare(settingsFor(5, 7)).kind, PortCheck::Kind::InvalidPort);
    EXPECT_EQ(sink_.prepare(settingsFor(5, 0)).kind, PortCheck::Kind::InvalidPort);
    EXPECT_TRUE(platform_.sent.empty());
}

// The printer never got the logo: labels that recall it would print without it, and the
// row would be marked printed. The row stops at the logo.
TEST_F(LabelJobTest, ARefusedLogoDownloadStopsTheRowBeforeAnyLabel) {
    platform_.refusingDevices.insert("/dev/usb/lp0");
    const auto result = send(zplTag(LogoPoint::AfterNaming), 5, 1);
    EXPECT_EQ(result.failedStep, ChannelStep::PortCopy);
    EXPECT_EQ(result.portName, "LPT1");
    EXPECT_EQ(result.failedName, "/dev/usb/lp0");
    ASSERT_EQ(platform_.sent.size(), 1u);
    EXPECT_EQ(platform_.sent[0].bytes, kGraphic);
}

TEST_F(LabelJobTest, ARefusedDplClearRecordSendsNeitherBitmapNorLabel) {
    platform_.refusingDevices.insert("/dev/usb/lp0");
    const LabelOutput towel{LogoPoint::BeforeNaming, {std::string("\x02L", 2), "E"}};
    EXPECT_FALSE(send(towel, 1, 1).ok());
    ASSERT_EQ(platform_.sent.size(), 1u);
    EXPECT_EQ(platform_.sent[0].bytes, std::string("\x02qC\r\n", 5));
    EXPECT_TRUE(platform_.sleeps.empty());
}
