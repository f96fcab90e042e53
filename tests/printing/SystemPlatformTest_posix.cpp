#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "PtyPair.h"
#include "printing/SystemPlatform.h"
#include "support/TestSupport.h"

using rotulano::printing::SystemPlatform;
using rotulano::test::readBytes;
using rotulano::test::writeBytes;

namespace {

// A label file with every byte that a careless channel would change: STX, LF alone, CR
// alone, NUL, the printed mark 0xD8 and a Latin-1 letter.
const std::string kTrickyLabel = std::string("\x02L\r\nD11\r\n", 9) + "1911A1801000020Pe\xe7" +
                                 "a\r\n" + std::string("\n\r\0\xd8\r\n", 6) + "E\r\n";

std::string expectedLptDevice(const std::string& number) {
    const std::string usb = "/dev/usb/lp" + number;
    return QFileInfo::exists(QString::fromStdString(usb)) ? usb : "/dev/lp" + number;
}

}  // namespace

TEST(SystemPlatformPorts, PortNamesStandForTheLinuxDevices) {
    SystemPlatform platform;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"COM1", "/dev/ttyS0"},
        {"COM2", "/dev/ttyS1"},
        {"COM3", "/dev/ttyS2"},
        {"COM4", "/dev/ttyS3"},
        {"LPT1", expectedLptDevice("0")},
        {"LPT2", expectedLptDevice("1")},
        {"NULL", "NULL"},
        {"COM5", "COM5"},
        {"/tmp/printer", "/tmp/printer"}};
    for (const auto& [port, device] : cases) {
        EXPECT_EQ(platform.portDevice(port), device) << port;
    }
}

TEST(SystemPlatformClock, LocalTimeIn21Characters) {
    SystemPlatform platform;
    const QString before = QDateTime::currentDateTime().toString("yyyyMMddhhmm");
    const std::string clock = platform.clockText();
    const QString after = QDateTime::currentDateTime().toString("yyyyMMddhhmm");
    ASSERT_EQ(clock.size(), 21u);
    EXPECT_TRUE(QRegularExpression("^[0-9]{16}[+-][0-9]{4}$")
                    .match(QString::fromStdString(clock))
                    .hasMatch())
        << clock;
    const QString minute = QString::fromStdString(clock.substr(0, 12));
    EXPECT_TRUE(minute == before || minute == after) << clock;
}

TEST(SystemPlatformTemp, TempDirIsAnExistingDirectoryWithItsSeparator) {
    const std::string temp = SystemPlatform().tempDir();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), '/');
    EXPECT_TRUE(QFileInfo(QString::fromStdString(temp)).isDir());
}

TEST(SystemPlatformFiles, DeleteRemovesTheFileAndAMissingOneCountsAsGone) {
    QTemporaryDir dir;
    const std::string file = dir.filePath("09050703.TXT").toStdString();
    writeBytes(file, "x");
    SystemPlatform platform;
    EXPECT_TRUE(platform.deleteFile(file));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(file)));
    EXPECT_TRUE(platform.deleteFile(file));
    ASSERT_TRUE(QDir(dir.path()).mkpath("busy/inside"));
    EXPECT_FALSE(platform.deleteFile(dir.filePath("busy").toStdString()));
}

TEST(SystemPlatformFiles, SendReplacesAFileWithExactlyTheBytes) {
    QTemporaryDir dir;
    const std::string target = dir.filePath("printer.out").toStdString();
    writeBytes(target, std::string(500, 'z'));
    EXPECT_EQ(SystemPlatform().sendToDevice(target, kTrickyLabel), "00");
    EXPECT_EQ(readBytes(target), kTrickyLabel);
    const std::string fresh = dir.filePath("new.out").toStdString();
    EXPECT_EQ(SystemPlatform().sendToDevice(fresh, kTrickyLabel), "00");
    EXPECT_EQ(readBytes(fresh), kTrickyLabel);
}

TEST(SystemPlatformFiles, MissingDeviceIsReportedAndNeverCreated) {
    SystemPlatform platform;
    const std::string device = "/dev/rotulano-no-such-printer";
    EXPECT_EQ(platform.sendToDevice(device, "E\r\n"), "35");
    EXPECT_EQ(platform.openSerialPort(device, "\r\n"), "35");
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(device)));
    QTemporaryDir dir;
    EXPECT_EQ(platform.sendToDevice(dir.filePath("gone/printer").toStdString(), "E\r\n"), "35");
    EXPECT_EQ(platform.sendToDevice(dir.path().toStdString(), "E\r\n"), "39");
}

TEST(SystemPlatformSerial, LabelFileReachesASerialLineByteForByte) {
    rotulano::test::PtyPair line;
    if (!line.ready()) {
        GTEST_SKIP() << "socat is not installed";
    }
    EXPECT_EQ(SystemPlatform().sendToDevice(line.portSide(), kTrickyLabel), "00");
    EXPECT_EQ(line.received(kTrickyLabel.size()), kTrickyLabel);
}

// A printer device that is no terminal (a USB or parallel printer) is closed only once it
// reports itself writable again, its last transfer over; a device that takes bytes at
// once (a node standing for the null device, made in the test's own folder) is done
// straight away.
TEST(SystemPlatformDevices, ADeviceThatTakesTheBytesIsDeliveredTo) {
    QTemporaryDir dir;
    const std::string node = dir.filePath("lp0").toStdString();
    if (::mknod(node.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "no device node can be made here (needs root)";
    }
    const std::atomic<bool> stop{false};
    EXPECT_EQ(SystemPlatform(std::chrono::milliseconds(500))
                  .deliverToDevice(node, kTrickyLabel, stop)
                  .status,
              "00");
}

TEST(SystemPlatformWait, SleepsAtLeastTheDuration) {
    const auto start = std::chrono::steady_clock::now();
    SystemPlatform().sleepFor(std::chrono::milliseconds(30));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
}
