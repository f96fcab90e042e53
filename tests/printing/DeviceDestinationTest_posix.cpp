#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "PtyPair.h"
#include "printing/SerialLineSetup.h"
#include "printing/SystemDestinations.h"
#include "support/TestSupport.h"

using rotulano::core::Delivery;
using rotulano::core::DestinationKind;
using rotulano::core::FlowControl;
using rotulano::core::Parity;
using rotulano::core::PortDestination;
using rotulano::printing::SystemDestinations;
using rotulano::test::PtyPair;

namespace {

constexpr std::chrono::milliseconds kStall{500};

const std::string kLabel = std::string("\x02L\r\nD11\r\n", 9) + "1911A1801000020Pe\xe7" + "a\r\n" +
                           std::string("\n\r\0\xd8\r\n", 6) + "E\r\n";

PortDestination device(const std::string& path) {
    PortDestination destination;
    destination.kind = DestinationKind::Device;
    destination.target = path;
    destination.text = path;
    return destination;
}

termios lineSettings(const std::string& path) {
    termios settings{};
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    EXPECT_GE(fd, 0) << path;
    EXPECT_EQ(::tcgetattr(fd, &settings), 0);
    ::close(fd);
    return settings;
}

}  // namespace

TEST(DeviceDestination, SerialLineGetsTheEntrysSpeedAndFramingAndTheBytesUnchanged) {
    PtyPair line;
    if (!line.ready()) {
        GTEST_SKIP() << "socat is not installed";
    }
    PortDestination com1 = device(line.portSide());
    com1.serial.speed = 19200;
    com1.serial.dataBits = 7;
    com1.serial.parity = Parity::Odd;
    com1.serial.stopBits = 2;
    com1.serial.flowControl = FlowControl::XonXoff;
    const Delivery delivery = SystemDestinations(kStall).send(com1, kLabel);
    EXPECT_TRUE(delivery.ok()) << delivery.reason;
    EXPECT_EQ(line.received(kLabel.size()), kLabel);

    const termios settings = lineSettings(line.portSide());
    EXPECT_EQ(::cfgetospeed(&settings), static_cast<speed_t>(B19200));
    EXPECT_EQ(::cfgetispeed(&settings), static_cast<speed_t>(B19200));
    EXPECT_EQ(settings.c_cflag & CSTOPB, static_cast<tcflag_t>(CSTOPB));
    EXPECT_EQ(settings.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(settings.c_iflag & (IXON | IXOFF), static_cast<tcflag_t>(IXON | IXOFF));
    EXPECT_EQ(settings.c_oflag & OPOST, 0u);
}

TEST(DeviceDestination, FieldsTheEntryDoesNotNameKeepTheSystemsSettings) {
    PtyPair line;
    if (!line.ready()) {
        GTEST_SKIP() << "socat is not installed";
    }
    PortDestination com1 = device(line.portSide());
    com1.serial.speed = 4800;
    com1.serial.dataBits = 6;
    com1.serial.parity = Parity::Even;
    com1.serial.flowControl = FlowControl::RtsCts;
    ASSERT_TRUE(SystemDestinations(kStall).send(com1, "\r\n").ok());
    PortDestination speedOnly = device(line.portSide());
    speedOnly.serial.speed = 115200;
    ASSERT_TRUE(SystemDestinations(kStall).send(speedOnly, kLabel).ok());
    EXPECT_EQ(line.received(2 + kLabel.size()), "\r\n" + kLabel);
    const termios settings = lineSettings(line.portSide());
    EXPECT_EQ(::cfgetospeed(&settings), static_cast<speed_t>(B115200));
    EXPECT_EQ(settings.c_cflag & CRTSCTS, static_cast<tcflag_t>(CRTSCTS));
}

// A pseudo-terminal always reports 8 data bits and no parity, so the framing the line
// is given is checked on the settings themselves.
TEST(SerialLineSettings, DataBitsAndParityAreTheEntrysOthersStay) {
    struct Case {
        std::optional<int> bits;
        std::optional<Parity> parity;
        tcflag_t size;
        tcflag_t parityFlags;
    };
    const tcflag_t held = CS8 | CSTOPB | CREAD;
    const std::vector<Case> cases = {{5, Parity::None, CS5, 0},
                                     {6, Parity::Even, CS6, PARENB},
                                     {7, Parity::Odd, CS7, PARENB | PARODD},
                                     {8, std::nullopt, CS8, 0},
                                     {std::nullopt, Parity::Odd, CS8, PARENB | PARODD}};
    for (const Case& c : cases) {
        termios settings{};
        settings.c_cflag = held;
        settings.c_oflag = OPOST | ONLCR;
        settings.c_lflag = ICANON | ECHO;
        ::cfsetospeed(&settings, B9600);
        rotulano::core::SerialLine serial;
        serial.dataBits = c.bits;
        serial.parity = c.parity;
        ASSERT_TRUE(rotulano::printing::serialSettings(settings, serial));
        EXPECT_EQ(settings.c_cflag & CSIZE, c.size);
        EXPECT_EQ(settings.c_cflag & (PARENB | PARODD), c.parityFlags);
        EXPECT_EQ(settings.c_cflag & (CSTOPB | CREAD), static_cast<tcflag_t>(CSTOPB | CREAD));
        EXPECT_EQ(::cfgetospeed(&settings), static_cast<speed_t>(B9600));
        EXPECT_EQ(settings.c_oflag & OPOST, 0u);
        EXPECT_EQ(settings.c_lflag & (ICANON | ECHO), 0u);
    }
}

TEST(DeviceDestination, PortHeldByAnotherProgramIsReportedBusyAndGetsNothing) {
    PtyPair line;
    if (!line.ready()) {
        GTEST_SKIP() << "socat is not installed";
    }
    const int other = ::open(line.portSide().c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    const Delivery busy = SystemDestinations(kStall).send(device(line.portSide()), kLabel);
    EXPECT_EQ(busy.status, "93");
    EXPECT_EQ(busy.reason, "porta ocupada por outro programa");
    ::close(other);
    EXPECT_EQ(line.received(1, std::chrono::milliseconds(300)), "");
    EXPECT_TRUE(SystemDestinations(kStall).send(device(line.portSide()), kLabel).ok());
    EXPECT_EQ(line.received(kLabel.size()), kLabel);
}

TEST(DeviceDestination, LinkToTheDeviceIsFollowed) {
    PtyPair line;
    if (!line.ready()) {
        GTEST_SKIP() << "socat is not installed";
    }
    QTemporaryDir dir;
    const QString link = dir.filePath("usb-FTDI_FT232R-if00-port0");
    ASSERT_TRUE(QFile::link(QString::fromStdString(line.portSide()), link));
    EXPECT_TRUE(SystemDestinations(kStall).send(device(link.toStdString()), kLabel).ok());
    EXPECT_EQ(line.received(kLabel.size()), kLabel);
}

TEST(DeviceDestination, AnythingButACharacterDeviceIsRefusedAndLeftAsItWas) {
    QTemporaryDir dir;
    const std::string file = dir.filePath("printer.out").toStdString();
    rotulano::test::writeBytes(file, "antes");
    const QString link = dir.filePath("link-to-file");
    ASSERT_TRUE(QFile::link(QString::fromStdString(file), link));
    const std::string fifo = dir.filePath("pipe").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {file, link.toStdString(), fifo, dir.path().toStdString()}) {
        const Delivery refused = SystemDestinations(kStall).send(device(path), kLabel);
        EXPECT_EQ(refused.status, "39") << path;
        EXPECT_EQ(refused.reason, "não é um dispositivo de caracteres") << path;
    }
    EXPECT_EQ(rotulano::test::readBytes(file), "antes");
    const std::string missing = dir.filePath("ttyUSB7").toStdString();
    const Delivery gone = SystemDestinations(kStall).send(device(missing), kLabel);
    EXPECT_EQ(gone.status, "35");
    EXPECT_EQ(gone.reason, "dispositivo não encontrado");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(missing)));
}

TEST(DeviceDestination, LineNobodyReadsFailsWithinTheStallLimit) {
    PtyPair line;
    if (!line.ready()) {
        GTEST_SKIP() << "socat is not installed";
    }
    const std::string before = kLabel;
    ASSERT_TRUE(SystemDestinations(kStall).send(device(line.portSide()), before).ok());
    const Delivery stalled =
        SystemDestinations(kStall).send(device(line.portSide()), std::string(4 << 20, 'x'));
    EXPECT_EQ(stalled.status, "30");
    EXPECT_EQ(stalled.reason, "sem resposta em 0,5 s");
    EXPECT_EQ(line.received(before.size()).substr(0, before.size()), before);
}

TEST(DeviceDestination, RowPiecesGoOutInOneOpenWithThePrintersPauses) {
    PtyPair line;
    if (!line.ready()) {
        GTEST_SKIP() << "socat is not installed";
    }
    SystemDestinations destinations(kStall);
    std::vector<std::chrono::milliseconds> pauses;
    destinations.setPause([&pauses](std::chrono::milliseconds d) { pauses.push_back(d); });
    const std::vector<rotulano::printing::RowPiece> row = {
        {"\x01"
         "D\x02IDPLOGO\r\n",
         std::chrono::milliseconds(0)},
        {std::string("BM\0\xff", 4), std::chrono::milliseconds(2000)},
        {kLabel, std::chrono::milliseconds(0)}};
    const Delivery delivery = destinations.sendRow(device(line.portSide()), row);
    EXPECT_TRUE(delivery.ok()) << delivery.reason;
    const std::string expected = row[0].bytes + row[1].bytes + row[2].bytes;
    EXPECT_EQ(line.received(expected.size()), expected);
    EXPECT_EQ(pauses, (std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(2000)}));
}
