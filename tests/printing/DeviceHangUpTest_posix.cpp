#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <sys/stat.h>

#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <future>
#include <thread>

#include "config/DestinationText.h"
#include "printing/SerialLineSetup.h"
#include "printing/SystemDestinations.h"
#include "printing/SystemPlatform.h"

// A device whose other side goes away while a row is written (a printer switched off or
// unplugged) fails the row with the reason, and a serial line is never given a speed that
// is not one of the table's.
namespace {

namespace core = rotulano::core;
namespace printing = rotulano::printing;
using std::chrono::milliseconds;

// A pseudo-terminal standing in for a serial printer that stops reading and is then
// switched off: its master side is closed once the line holds unread bytes.
class SwitchedOffPrinter {
  public:
    SwitchedOffPrinter() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
            path_ = ::ptsname(master_);
        }
    }
    ~SwitchedOffPrinter() {
        if (thread_.joinable()) {
            thread_.join();
        }
        if (master_ >= 0) {
            ::close(master_);
        }
    }
    bool ready() const { return !path_.empty(); }
    const std::string& path() const { return path_; }

    // Switches the printer off once bytes wait on its line (or after a bound).
    void switchOffOnceBytesWait() {
        thread_ = std::thread([this] {
            const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            int waiting = 0;
            while (waiting == 0 && std::chrono::steady_clock::now() < end) {
                ::ioctl(master_, FIONREAD, &waiting);
                std::this_thread::sleep_for(milliseconds(10));
            }
            ::close(master_);
            master_ = -1;
        });
    }

  private:
    int master_ = -1;
    std::string path_;
    std::thread thread_;
};

}  // namespace

TEST(DeviceHangUp, APrinterSwitchedOffMidRowFailsItWithTheReasonAndTheWarning) {
    SwitchedOffPrinter printer;
    ASSERT_TRUE(printer.ready());
    core::PortDestination com1;
    com1.kind = core::DestinationKind::Device;
    com1.target = printer.path();
    com1.text = printer.path();
    printer.switchOffOnceBytesWait();
    const core::Delivery delivery =
        printing::SystemDestinations(milliseconds(5000)).send(com1, std::string(1 << 20, 'x'));
    EXPECT_EQ(delivery.status, "30");
    EXPECT_EQ(delivery.reason, "a impressora foi desligada ou desconectada");
    EXPECT_TRUE(delivery.bytesWritten);
    EXPECT_EQ(printing::deliveryFailureMessage("COM1", com1.text, delivery),
              "Não foi possível enviar as etiquetas para a porta COM1 (" + com1.text +
                  "): a impressora foi desligada ou desconectada [30]; a impressora pode ter "
                  "recebido parte das etiquetas desta linha: confira antes de imprimir de novo.");
}

// The usual port of a port name, here a pipe in the test's folder: its reader goes away
// once the pipe is full, and the row fails with the reason and the warning's flag.
TEST(DeviceHangUp, APortWhoseReaderGoesAwayMidRowIsReportedSwitchedOff) {
    QTemporaryDir dir;
    const std::string fifo = dir.filePath("LPT1").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    printing::SystemPlatform platform(milliseconds(5000));
    const std::atomic<bool> stop{false};
    auto sending = std::async(std::launch::async, [&] {
        return platform.deliverToDevice(fifo, std::string(1 << 20, 'P'), stop);
    });
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    int waiting = 0;
    while (waiting == 0 && std::chrono::steady_clock::now() < end) {
        ::ioctl(reader, FIONREAD, &waiting);
        std::this_thread::sleep_for(milliseconds(10));
    }
    ::close(reader);
    ASSERT_EQ(sending.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    const core::Delivery delivery = sending.get();
    EXPECT_EQ(delivery.status, "30");
    EXPECT_EQ(delivery.reason, "a impressora foi desligada ou desconectada");
    EXPECT_TRUE(delivery.bytesWritten);
}

TEST(SerialSpeeds, EverySpeedOfTheTableIsSetAndAnyOtherRefused) {
    for (const int speed : rotulano::config::destinationText::serialSpeeds()) {
        termios settings{};
        core::SerialLine line;
        line.speed = speed;
        EXPECT_TRUE(printing::serialSettings(settings, line)) << speed;
        EXPECT_NE(::cfgetospeed(&settings), static_cast<speed_t>(B0)) << speed;
    }
    termios settings{};
    ::cfsetospeed(&settings, B9600);
    for (const int speed : {0, 14400, 250000, 460800, 921600, -9600}) {
        core::SerialLine line;
        line.speed = speed;
        EXPECT_FALSE(printing::serialSettings(settings, line)) << speed;
        EXPECT_EQ(::cfgetospeed(&settings), static_cast<speed_t>(B9600)) << speed;
    }
}

TEST(SerialSpeeds, ALineGivenAnUnknownSpeedIsRefusedAndKeepsItsOwn) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const int line = ::open(::ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(line, 0);
    core::SerialLine known;
    known.speed = 19200;
    EXPECT_EQ(printing::applySerialLine(line, known), 0);
    core::SerialLine unknown;
    unknown.speed = 460800;
    EXPECT_EQ(printing::applySerialLine(line, unknown), EINVAL);
    termios settings{};
    ASSERT_EQ(::tcgetattr(line, &settings), 0);
    EXPECT_EQ(::cfgetospeed(&settings), static_cast<speed_t>(B19200));
    ::close(line);
    ::close(master);
}
