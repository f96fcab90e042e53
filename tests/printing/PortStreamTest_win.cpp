#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "WindowsPort_win.h"
#include "printing/PortKind.h"
#include "printing/PortStream.h"
#include "printing/PortStream_win.h"

// Writing to a port on Windows: every write waited on within the stall limit and
// cancelled once it is over, the bytes the port took counted, a reader that goes away
// a hang-up, and the kind of a port told by its handle.
namespace {

namespace portStream = rotulano::printing::portStream;
namespace portKind = rotulano::printing::portKind;
using portStream::Outcome;
using rotulano::test::WindowsPipe;
using std::chrono::milliseconds;

std::string numbered(std::size_t size) {
    std::string bytes;
    for (std::size_t i = 0; bytes.size() < size; ++i) {
        bytes += std::to_string(i) + ',';
    }
    bytes.resize(size);
    return bytes;
}

}  // namespace

TEST(WindowsPortStream, PortThatTakesEverythingGetsEveryByteInOrder) {
    WindowsPipe pipe(1 << 20);
    ASSERT_TRUE(pipe.ready());
    const std::string bytes = numbered(20000);
    const portStream::Result result =
        portStream::writeAll(pipe.writer(), bytes, milliseconds(5000));
    EXPECT_EQ(result.outcome, Outcome::Done);
    EXPECT_EQ(result.written, bytes.size());
    EXPECT_EQ(pipe.readAvailable(), bytes);
}

TEST(WindowsPortStream, PortThatStopsTakingIsLeftAtTheStallLimitWithWhatItTookCounted) {
    WindowsPipe pipe(1024);
    ASSERT_TRUE(pipe.ready());
    const std::string bytes = numbered(1 << 20);
    const portStream::Result result = portStream::writeAll(pipe.writer(), bytes, milliseconds(300));
    EXPECT_EQ(result.outcome, Outcome::Stalled);
    EXPECT_GT(result.written, 0u);
    EXPECT_LT(result.written, bytes.size());
    const std::string arrived = pipe.readAvailable();
    EXPECT_GE(arrived.size(), result.written);
    EXPECT_EQ(arrived, bytes.substr(0, arrived.size())) << "bytes out of order or lost";
}

TEST(WindowsPortStream, CancelLeavesAStoppedPortAfterTheGraceNotTheStallLimit) {
    WindowsPipe pipe(1024);
    ASSERT_TRUE(pipe.ready());
    const std::atomic<bool> cancelled{true};
    // A stall limit longer than the test's own limit: only the cancel's grace ends it.
    portStream::StallClock clock(milliseconds(600000), cancelled);
    const portStream::Result result = portStream::writeAll(pipe.writer(), numbered(1 << 20), clock);
    EXPECT_EQ(result.outcome, Outcome::Stalled);
}

TEST(WindowsPortStream, ReaderThatGoesAwayIsAHangUp) {
    WindowsPipe pipe(1024);
    ASSERT_TRUE(pipe.ready());
    pipe.closeReader();
    const portStream::Result result =
        portStream::writeAll(pipe.writer(), numbered(100), milliseconds(5000));
    EXPECT_EQ(result.outcome, Outcome::HungUp);
    EXPECT_EQ(result.written, 0u);
}

TEST(WindowsPortStream, DrainEndsWhenTheQueueIsEmptyStallsWhenItStandsStill) {
    struct Case {
        const char* what;
        std::vector<long> counts;  // what the queue says, one answer per look
        Outcome outcome;
    };
    const std::vector<Case> cases = {
        {"empty at once", {0}, Outcome::Done},
        {"going down", {30, 20, 10, 0}, Outcome::Done},
        {"standing still", {5}, Outcome::Stalled},
    };
    for (const Case& c : cases) {
        std::size_t look = 0;
        const auto pending = [&](int) {
            const long count = c.counts[std::min(look, c.counts.size() - 1)];
            ++look;
            return count;
        };
        const portStream::Result result = portStream::drain(0, pending, milliseconds(200));
        EXPECT_EQ(result.outcome, c.outcome) << c.what;
    }
}

TEST(WindowsPortStream, QueueThatCannotBeCountedFailsAndAGoneDeviceHangsUp) {
    const auto failing = [](int error) {
        return [error](int) {
            errno = error;
            return -1L;
        };
    };
    EXPECT_EQ(portStream::drain(0, failing(EIO), milliseconds(200)).outcome, Outcome::Failed);
    EXPECT_EQ(portStream::drain(0, failing(ENODEV), milliseconds(200)).outcome, Outcome::HungUp);
}

TEST(WindowsPortStream, SystemErrorsKeepTheMeaningsOfLinux) {
    EXPECT_EQ(portStream::errnoOf(ERROR_ACCESS_DENIED), EBUSY) << "a port another program holds";
    EXPECT_EQ(portStream::errnoOf(ERROR_SHARING_VIOLATION), EBUSY);
    EXPECT_EQ(portStream::errnoOf(ERROR_FILE_NOT_FOUND), ENOENT);
    EXPECT_EQ(portStream::failureOf(ERROR_BROKEN_PIPE).outcome, Outcome::HungUp);
    EXPECT_EQ(portStream::failureOf(ERROR_DEVICE_NOT_CONNECTED).outcome, Outcome::HungUp);
    EXPECT_EQ(portStream::failureOf(ERROR_INVALID_PARAMETER).outcome, Outcome::Failed);
}

TEST(WindowsPortKind, KindIsToldByTheHandle) {
    WindowsPipe pipe;
    ASSERT_TRUE(pipe.ready());
    EXPECT_EQ(portKind::kindOf(pipe.writer()), portKind::PortKind::File);

    wchar_t folder[MAX_PATH + 1] = {};
    ASSERT_GT(::GetTempPathW(MAX_PATH, folder), 0u);
    wchar_t name[MAX_PATH + 1] = {};
    ASSERT_NE(::GetTempFileNameW(folder, L"rot", 0, name), 0u);
    const int file = rotulano::test::openAsPort(name);
    ASSERT_GE(file, 0);
    EXPECT_EQ(portKind::kindOf(file), portKind::PortKind::File);
    portStream::closePort(file);
    ::DeleteFileW(name);

    // A character device that takes no serial settings: a parallel port's rules.
    const int null = rotulano::test::openAsPort(L"\\\\.\\NUL");
    ASSERT_GE(null, 0);
    EXPECT_EQ(portKind::kindOf(null), portKind::PortKind::Parallel);
    portStream::StallClock clock(milliseconds(100));
    EXPECT_EQ(portKind::settle(null, portKind::PortKind::Parallel, clock).outcome, Outcome::Done);
    portStream::closePort(null);
}
