#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <string>

#include "robustness/RenderFiles.h"

// rotulano-render's -o naming a terminal, as a printer on a serial line is named: the
// line is set up as the print job sets it (no output processing, no echo; its speed and
// framing kept), so the printer gets the job's bytes unchanged, and the terminal gets
// its own settings back afterwards. A pseudo-terminal of the test's own stands in.
namespace {

namespace test = rotulano::test;
using test::ChildRun;
using test::RenderFiles;

// A pseudo-terminal pair: the program writes to the terminal side, the test reads what
// comes out at the other end.
class TerminalPair {
  public:
    TerminalPair() {
        char name[256] = {};
        if (::openpty(&reader_, &terminal_, name, nullptr, nullptr) == 0) {
            name_ = name;
            ::fcntl(reader_, F_SETFL, ::fcntl(reader_, F_GETFL) | O_NONBLOCK);
        }
    }
    ~TerminalPair() {
        for (const int fd : {reader_, terminal_}) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }
    TerminalPair(const TerminalPair&) = delete;
    TerminalPair& operator=(const TerminalPair&) = delete;

    bool ready() const { return !name_.empty(); }
    const std::string& name() const { return name_; }
    int terminal() const { return terminal_; }

    // What comes out until `done` is ready and nothing more comes for a moment, or two
    // minutes have passed.
    std::string readUntil(std::future<ChildRun>& done) const {
        std::string bytes;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
        bool finished = false;
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd watch{reader_, POLLIN, 0};
            const int ready = ::poll(&watch, 1, 200);
            char chunk[4096];
            const ssize_t count = ready > 0 ? ::read(reader_, chunk, sizeof chunk) : 0;
            if (count > 0) {
                bytes.append(chunk, static_cast<std::size_t>(count));
                continue;
            }
            if (finished) {
                break;
            }
            finished = done.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        }
        return bytes;
    }

  private:
    int reader_ = -1;
    int terminal_ = -1;
    std::string name_;
};

bool sameSettings(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && ::cfgetospeed(&a) == ::cfgetospeed(&b) &&
           ::cfgetispeed(&a) == ::cfgetispeed(&b);
}

// A new terminal processes its output (a CR before every LF) and echoes: the job must
// come out byte for byte all the same, and the terminal must be left as it was.
TEST_F(RenderFiles, ATerminalGetsTheJobUnchangedAndKeepsItsSettings) {
    TerminalPair pair;
    if (!pair.ready()) {
        GTEST_SKIP() << "no pseudo-terminal on this system";
    }
    termios before{};
    ASSERT_EQ(::tcgetattr(pair.terminal(), &before), 0);
    ASSERT_NE(before.c_oflag & OPOST, 0U) << "a new terminal is expected to process output";
    const ChildRun expected = reference();
    ASSERT_EQ(expected.exitCode, 0) << expected.err;
    std::future<ChildRun> run = std::async(std::launch::async, [&] {
        return render({"-o", pair.name()});
    });
    const std::string received = pair.readUntil(run);
    const ChildRun done = run.get();
    EXPECT_EQ(done.exitCode, 0) << done.err;
    EXPECT_EQ(received.size(), expected.out.size());
    EXPECT_EQ(received, expected.out);
    termios after{};
    ASSERT_EQ(::tcgetattr(pair.terminal(), &after), 0);
    EXPECT_TRUE(sameSettings(after, before));
}

}  // namespace
