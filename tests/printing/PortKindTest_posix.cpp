#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cstdlib>

#include "printing/PortKind.h"

// Every destination asks one place what kind of port it holds, which decides how its
// bytes are known to have left and what a failing row throws away.
namespace {

using rotulano::printing::portKind::isTerminal;
using rotulano::printing::portKind::kindOf;
using rotulano::printing::portKind::PortKind;

}  // namespace

TEST(PortKind, EachOpenPortIsTheKindItsRulesFollow) {
    QTemporaryDir dir;
    const std::string file = dir.filePath("impressao.txt").toStdString();
    const std::string fifo = dir.filePath("LPT1").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int plain = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    const int pipe = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    int pair[2] = {-1, -1};
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair), 0);
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const int terminal = ::open(::ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    // A character device that is no terminal: what a printer driver looks like.
    const int driver = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(plain, 0);
    ASSERT_GE(pipe, 0);
    ASSERT_GE(terminal, 0);
    ASSERT_GE(driver, 0);

    const struct {
        int fd;
        PortKind kind;
        bool terminal;
    } cases[] = {{plain, PortKind::File, false},
                 {pipe, PortKind::File, false},
                 {pair[0], PortKind::Network, false},
                 {terminal, PortKind::PseudoTerminal, true},
                 {driver, PortKind::Usb, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(kindOf(c.fd), c.kind) << c.fd;
        EXPECT_EQ(isTerminal(kindOf(c.fd)), c.terminal) << c.fd;
    }
    EXPECT_TRUE(isTerminal(PortKind::Serial));
    for (const int fd : {plain, pipe, pair[0], pair[1], terminal, master, driver}) {
        ::close(fd);
    }
}
