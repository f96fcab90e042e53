#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <string>
#include <vector>

#include "printing/PortStream.h"

// The one write loop of every port: a port that takes nothing fails within the stall
// limit, or within the grace after a cancel, and never hangs the program.
namespace {

namespace portStream = rotulano::printing::portStream;
using std::chrono::milliseconds;

// A pipe that nobody reads, its writing end non-blocking: it takes its buffer's worth
// and then nothing more.
class UnreadPipe {
  public:
    UnreadPipe() {
        if (::pipe2(fds_, O_CLOEXEC) == 0) {
            ::fcntl(fds_[1], F_SETFL, O_NONBLOCK);
        }
    }
    ~UnreadPipe() {
        ::close(fds_[0]);
        ::close(fds_[1]);
    }
    int writer() const { return fds_[1]; }
    std::string readAll() const {
        ::fcntl(fds_[0], F_SETFL, O_NONBLOCK);
        std::string bytes;
        char chunk[4096];
        ssize_t got = 0;
        while ((got = ::read(fds_[0], chunk, sizeof chunk)) > 0) {
            bytes.append(chunk, static_cast<std::size_t>(got));
        }
        return bytes;
    }

  private:
    int fds_[2] = {-1, -1};
};

const std::string kMoreThanAPipeHolds(4 * 1024 * 1024, 'Z');

TEST(PortStream, EveryByteOfAPieceThePortTakes) {
    UnreadPipe pipe;
    const std::string piece = std::string("^XA^FO10,10^FD\xd8^FS^XZ\r\n", 24);
    ASSERT_TRUE(portStream::writeAll(pipe.writer(), piece, milliseconds(1000)).done());
    EXPECT_EQ(pipe.readAll(), piece);
}

TEST(PortStream, APortThatStopsTakingBytesStallsAfterWhatItTook) {
    UnreadPipe pipe;
    const portStream::Result result =
        portStream::writeAll(pipe.writer(), kMoreThanAPipeHolds, milliseconds(100));
    EXPECT_EQ(result.outcome, portStream::Outcome::Stalled);
    const std::string taken = pipe.readAll();
    EXPECT_FALSE(taken.empty());
    EXPECT_LT(taken.size(), kMoreThanAPipeHolds.size());
}

// Ten minutes of stall limit: only the cancel can end this wait in a test's time.
TEST(PortStream, ACancelEndsTheWaitForAStoppedPortAfterTheGrace) {
    UnreadPipe pipe;
    const std::atomic<bool> stop{true};
    portStream::StallClock clock(std::chrono::minutes(10), stop);
    const portStream::Result result =
        portStream::writeAll(pipe.writer(), kMoreThanAPipeHolds, clock);
    EXPECT_EQ(result.outcome, portStream::Outcome::Stalled);
}

// A network printer that has gone: the write fails with the connection's error, and
// raises no signal that would end the program.
TEST(PortStream, AConnectionThePrinterClosedIsAFailureWithItsError) {
    int ends[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, ends), 0);
    ::close(ends[1]);
    const portStream::Result result = portStream::writeAll(ends[0], "^XA^XZ", milliseconds(100));
    ::close(ends[0]);
    EXPECT_EQ(result.outcome, portStream::Outcome::Failed);
    EXPECT_EQ(result.error, EPIPE);
}

// The queue of a line that empties slowly is waited for as long as it goes down; one
// that stops going down stalls.
TEST(PortStream, DrainWaitsWhileTheQueueGoesDown) {
    std::vector<long> emptying = {300, 250, 200, 150, 100, 50, 0};
    std::size_t asked = 0;
    const auto slowly = [&](int) { return emptying[std::min(asked++ / 10, emptying.size() - 1)]; };
    EXPECT_TRUE(portStream::drain(-1, slowly, milliseconds(2000)).done());
    EXPECT_EQ(asked, 61U);

    const auto stuck = [](int) { return 42L; };
    EXPECT_EQ(portStream::drain(-1, stuck, milliseconds(30)).outcome, portStream::Outcome::Stalled);
    const auto broken = [](int) {
        errno = EIO;
        return -1L;
    };
    const portStream::Result failed = portStream::drain(-1, broken, milliseconds(30));
    EXPECT_EQ(failed.outcome, portStream::Outcome::Failed);
    EXPECT_EQ(failed.error, EIO);
}

}  // namespace
