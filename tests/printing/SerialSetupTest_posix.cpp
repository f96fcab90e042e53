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
    PrintChannel channel(state, platform);

    EXPECT_EQ(rotinaSerial(channel, "COM2"), "00");
    EXPECT_EQ(line.received(2), "\r\n");
    EXPECT_EQ(state.printFileName, "");
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
    PrintChannel channel(state, platform);

    EXPECT_EQ(rotinaSerial(channel, "COM4"), "35");
    EXPECT_EQ(state.printFileName, "");
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST(SerialSetUp, LastPrintFileIsRemovedAndTheDeviceNameNeverDeleted) {
    QTemporaryDir dir;
    RecordingPlatform platform;
    platform.temp = dir.path().toStdString() + "/";
    platform.devices["COM1"] = "/dev/rotulano-no-such-port";
    ChannelState state;
    PrintChannel channel(state, platform);
    channel.state().tempDir = channel.platform().tempDir();
    channel.rotinaNomePrint();
    const std::string printFile = state.printFileName;
    ChannelResult result;
    ASSERT_TRUE(channel.writePrintFile({"E"}, result));

    rotinaSerial(channel, "COM1");
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(printFile)));
    EXPECT_EQ(state.printFileName, "");

    // The next naming has nothing to delete; the close deletes the new print file only.
    channel.rotinaNomePrint();
    const std::string next = state.printFileName;
    channel.deletePrintFile();
    EXPECT_EQ(platform.deleted, (std::vector<std::string>{printFile, next}));
    EXPECT_EQ(state.printFileName, "");
}
