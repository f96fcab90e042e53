#include "printing/PortReading.h"

#include <algorithm>
#include <cerrno>

#include <poll.h>
#include <unistd.h>

namespace rotulano::printing::portStream {

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kChunk = 256;
// Longest single wait for the answer before a cancel is looked at again.
constexpr std::chrono::milliseconds kCancelSlice{50};

}  // namespace

void discardInput(int fd) {
    char chunk[kChunk];
    std::size_t discarded = 0;
    ssize_t got = 0;
    while (discarded < kMostDiscarded && (got = ::read(fd, chunk, sizeof chunk)) > 0) {
        discarded += static_cast<std::size_t>(got);
    }
}

Result readAnswer(int fd, std::string& answer,
                  const std::function<bool(const std::string&)>& complete,
                  std::chrono::milliseconds wait, const std::atomic<bool>& stop) {
    const Clock::time_point deadline = Clock::now() + wait;
    char chunk[kChunk];
    while (!complete(answer) && answer.size() < kLongestAnswer) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || stop) {
            return {Outcome::Stalled, 0};
        }
        pollfd watch{fd, POLLIN, 0};
        const int ready = ::poll(&watch, 1, static_cast<int>(std::min(left, kCancelSlice).count()));
        if (ready < 0 && errno != EINTR) {
            return {Outcome::Failed, errno};
        }
        if (ready <= 0) {
            continue;
        }
        const ssize_t got =
            ::read(fd, chunk, std::min(sizeof chunk, kLongestAnswer - answer.size()));
        if (got > 0) {
            answer.append(chunk, static_cast<std::size_t>(got));
        } else if (got == 0) {
            // A printer that closes the connection before it answers is closing, not silent.
            return answer.empty() ? Result{Outcome::Failed, ECONNRESET} : Result{};
        } else if (errno == EIO && (watch.revents & POLLHUP) != 0) {
            return {};  // a terminal whose other side is gone
        } else if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            return {Outcome::Failed, errno};
        }
    }
    return {};
}

}  // namespace rotulano::printing::portStream
