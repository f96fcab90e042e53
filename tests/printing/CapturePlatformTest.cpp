#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "RecordingPlatform.h"
#include "printing/CapturePlatform.h"
#include "printing/LabelJob.h"
#include "support/TestSupport.h"

using rotulano::core::PrinterSettings;
using rotulano::labels::LabelOutput;
using rotulano::labels::LogoPoint;
using rotulano::printing::CapturePlatform;
using rotulano::printing::ChannelState;
using rotulano::printing::LabelJob;
using rotulano::printing::LogoDownload;
using rotulano::printing::PrintChannel;

TEST(CapturePlatformTest, LabelJobBytesWithoutADeviceOrWaits) {
    QTemporaryDir temp;
    QTemporaryDir logos;
    rotulano::test::writeBytes(logos.filePath("LOGOVRDL.BMP").toStdString(), "BM..");
    rotulano::test::RecordingPlatform system;
    system.temp = temp.path().toStdString() + "/";
    CapturePlatform capture(system);
    ChannelState state;
    PrintChannel channel(state, capture);
    channel.rotinaAchaTemp();
    LogoDownload logo(channel, logos.path().toStdString());
    LabelJob job(channel, logo);

    PrinterSettings settings = PrinterSettings::defaults();  // Datamax ALEGRO on LPT1
    const LabelOutput pack{LogoPoint::AfterNaming, {std::string("\x02L", 2), "E"}};
    ASSERT_TRUE(job.send(pack, settings).ok());
    ASSERT_TRUE(job.send(pack, settings).ok());

    EXPECT_EQ(capture.captured(), std::string("\x02qC\r\n\x01"
                                              "D\r\n\x02ICBLOGOVRDL\r\nBM..",
                                              27) +
                                      std::string("\x02L\r\nE\r\n\x02L\r\nE\r\n", 14));
    EXPECT_TRUE(system.sent.empty());
    EXPECT_TRUE(system.sleeps.empty());
    channel.deletePrintFile();
    EXPECT_TRUE(QDir(temp.path()).entryList(QDir::Files).isEmpty());
}
