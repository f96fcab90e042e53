#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include "printing/PrinterLock.h"
#include "support/TestSupport.h"

// The lock's Linux side: a device's key follows its links, and the lock of a process that
// dies goes with it.
namespace {

namespace core = rotulano::core;
using rotulano::printing::PrinterLock;

core::PortDestination destination(core::DestinationKind kind, const std::string& target,
                                  int port = core::PortDestination::kDefaultTcpPort) {
    core::PortDestination entry;
    entry.kind = kind;
    entry.target = target;
    entry.tcpPort = port;
    return entry;
}

}  // namespace

TEST(PrinterLock, APrinterHasOneKeyHoweverItsEntryIsWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString device = dir.filePath("ttyUSB0");
    QFile made(device);
    ASSERT_TRUE(made.open(QIODevice::WriteOnly));
    made.close();
    const QString link = dir.filePath("usb-Zebra_ZD220-if00");
    ASSERT_TRUE(QFile::link(device, link));
    const std::string path = device.toStdString();
    struct Case {
        const char* what;
        core::PortDestination one;
        core::PortDestination other;
        bool same;
    };
    using Kind = core::DestinationKind;
    const std::vector<Case> cases = {
        {"host in capitals", destination(Kind::Tcp, "Zebra-Expedicao", 9100),
         destination(Kind::Tcp, "zebra-expedicao", 9100), true},
        {"another port", destination(Kind::Tcp, "10.0.0.7", 9100),
         destination(Kind::Tcp, "10.0.0.7", 9101), false},
        {"queue in capitals", destination(Kind::Queue, "ZEBRA"), destination(Kind::Queue, "zebra"),
         true},
        {"queue and host of one name", destination(Kind::Queue, "zebra"),
         destination(Kind::Tcp, "zebra"), false},
        {"link to the device", destination(Kind::Device, link.toStdString()),
         destination(Kind::Device, path), true},
        {"dots in the path", destination(Kind::Device, dir.path().toStdString() + "/./ttyUSB0"),
         destination(Kind::Device, path), true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PrinterLock::destinationKey(c.one) == PrinterLock::destinationKey(c.other),
                  c.same)
            << c.what << ": " << PrinterLock::destinationKey(c.one) << " / "
            << PrinterLock::destinationKey(c.other);
    }
    EXPECT_EQ(PrinterLock::destinationKey(destination(Kind::Tcp, "Zebra", 9100)), "tcp:zebra:9100");
    EXPECT_EQ(PrinterLock::destinationKey(destination(Kind::Queue, "ZEBRA")), "fila:zebra");
    EXPECT_EQ(PrinterLock::deviceKey(link.toStdString()), "dispositivo:" + path);
    EXPECT_EQ(PrinterLock::destinationKey(destination(Kind::Device, path)),
              PrinterLock::deviceKey(link.toStdString()));
}

// A program killed in the middle of a job (SIGKILL: nothing of it runs any more) leaves
// the printer free for the next job.
TEST(PrinterLock, LockOfAProgramThatWasKilledIsFree) {
    const std::string space = rotulano::test::ownPrinterLockSpace();
    const std::string key = "dispositivo:/dev/usb/lp0";
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(ready[0]);
        PrinterLock held;
        const char answer = held.take(space, key) ? 'y' : 'n';
        if (::write(ready[1], &answer, 1) != 1) {
            ::_exit(1);
        }
        ::pause();
        ::_exit(0);
    }
    ::close(ready[1]);
    pollfd waitFor{ready[0], POLLIN, 0};
    char answer = 0;
    const bool answered = ::poll(&waitFor, 1, 20000) == 1 && ::read(ready[0], &answer, 1) == 1;
    ::close(ready[0]);
    PrinterLock next;
    const bool takenWhileItLived = next.take(space, key);
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(answered) << "the child never said whether it holds the lock";
    EXPECT_EQ(answer, 'y');
    EXPECT_FALSE(takenWhileItLived);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_TRUE(next.take(space, key));
}
