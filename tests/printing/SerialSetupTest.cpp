#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "PtyPair.h"
#include "RecordingPlatform.h"
#include "printing/PrintChannel.h"
#include "printing/SerialSetup.h"
#include "support/TestSupport.h"

using rotulano::printing::ChannelResult;
using rotulano::printing::ChannelState;
using rotulano::printing::PrintChannel;
using rotulano::printing::rotinaSerial;
using rotulano::test::RecordingPlatform;

TEST(SerialSetUp, OpenablePortGets00AndOneEmptyLine) {
    rotulano::test::PtyPair line;
    if (!line.ready()) {
        GTEST_SKIP() << "socat is not installed";
    }
    RecordingPlatform platform;
    platform.deliver = true;
    platform.devices["COM2"] = line.portSide();
    ChannelState state;
    state.serialPortName = "COM2";
    PrintChannel channel(state, platform);

    EXPECT_EQ(rotinaSerial(channel), "00");
    EXPECT_EQ(line.received(2), "\r\n");
    EXPECT_EQ(state.serialPortName, "00  ");
    EXPECT_EQ(state.printFileName, "COM2:");
    EXPECT_FALSE(state.printFileIsOurs);
    ASSERT_EQ(platform.serialOpened.size(), 1u);
    EXPECT_EQ(platform.serialOpened[0].device, line.portSide());
}

TEST(SerialSetUp, MissingPortGivesItsStatus) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath("no-such-port");
    RecordingPlatform platform;
    platform.deliver = true;
    platform.devices["COM4"] = missing.toStdString();
    ChannelState state;
    state.serialPortName = "COM4";
    PrintChannel channel(state, platform);

    EXPECT_EQ(rotinaSerial(channel), "35");
    EXPECT_EQ(state.serialPortName, "35  ");
    EXPECT_EQ(state.printFileName, "COM4:");
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST(SerialSetUp, LastPrintFileIsRemovedAndTheDeviceNameNeverDeleted) {
    QTemporaryDir dir;
    RecordingPlatform platform;
    platform.temp = dir.path().toStdString() + "/";
    platform.devices["COM1"] = "/dev/rotulano-no-such-port";
    ChannelState state;
    PrintChannel channel(state, platform);
    channel.rotinaAchaTemp();
    channel.rotinaNomePrint();
    const std::string printFile = state.printFileName;
    ChannelResult result;
    ASSERT_TRUE(channel.writePrintFile({"E"}, result));

    state.serialPortName = "COM1";
    rotinaSerial(channel);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(printFile)));

    channel.rotinaNomePrint();
    channel.deletePrintFile();
    EXPECT_EQ(platform.deleted, (std::vector<std::string>{printFile, state.printFileName}));
}
