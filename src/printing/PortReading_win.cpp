#include <algorithm>
#include <cerrno>
#include <thread>

#include "printing/PortReading.h"
#include "printing/PortStream_win.h"

namespace rotulano::printing::portStream {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr DWORD kChunk = 256;
// A read that has found nothing yet is tried again after this pause: a serial line's own
// read wait (applySerialLine) paces it, a device without one does not.
constexpr milliseconds kEmptyPause{10};
// How long the reads of what a port holds already may take before they are left: a
// device that never runs dry cannot hold the question up.
constexpr milliseconds kDiscardWait{100};

// The end of what the other side sends: a pipe whose writer went, the end of a file.
bool meansClosed(DWORD error) {
    return error == ERROR_HANDLE_EOF || error == ERROR_BROKEN_PIPE;
}

// One overlapped read of up to `size` bytes into `buffer`, waited on while `left` gives
// time; a read that found the other side closed gives `closed`.
Result readOnce(HANDLE port, OverlappedEvent& event, char* buffer, DWORD size, DWORD& got,
                bool& closed, const std::function<milliseconds()>& left) {
    OVERLAPPED& pending = event.start(0);
    got = 0;
    closed = false;
    Result result;
    if (!::ReadFile(port, buffer, size, nullptr, &pending)) {
        const DWORD error = ::GetLastError();
        result = error == ERROR_IO_PENDING ? finishOverlapped(port, pending, got, left)
                                           : failureOf(error);
        closed = error != ERROR_IO_PENDING && meansClosed(error);
    } else if (!::GetOverlappedResult(port, &pending, &got, FALSE)) {
        const DWORD error = ::GetLastError();
        result = failureOf(error);
        closed = meansClosed(error);
    }
    return result;
}

}  // namespace

void discardInput(int fd) {
    const HANDLE port = handleOf(fd);
    OverlappedEvent event;
    char chunk[kChunk];
    std::size_t discarded = 0;
    DWORD got = 0;
    bool closed = false;
    const Clock::time_point until = Clock::now() + kDiscardWait;
    const auto left = [until] {
        return std::chrono::duration_cast<milliseconds>(until - Clock::now());
    };
    while (event.ready() && discarded < kMostDiscarded &&
           readOnce(port, event, chunk, sizeof chunk, got, closed, left).done() && got > 0) {
        discarded += got;
    }
}

Result readAnswer(int fd, std::string& answer,
                  const std::function<bool(const std::string&)>& complete, milliseconds wait,
                  const std::atomic<bool>& stop) {
    const HANDLE port = handleOf(fd);
    OverlappedEvent event;
    if (!event.ready()) {
        return failureOf(::GetLastError());
    }
    const Clock::time_point deadline = Clock::now() + wait;
    const auto left = [&] {
        return stop ? milliseconds(0)
                    : std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
    };
    char chunk[kChunk];
    while (!complete(answer) && answer.size() < kLongestAnswer) {
        if (left().count() <= 0) {
            return {Outcome::Stalled, 0};
        }
        const DWORD size =
            static_cast<DWORD>(std::min<std::size_t>(kChunk, kLongestAnswer - answer.size()));
        DWORD got = 0;
        bool closed = false;
        const Result read = readOnce(port, event, chunk, size, got, closed, left);
        answer.append(chunk, got);
        if (closed) {
            // A printer that closes its side before it answers is closing, not silent.
            return answer.empty() ? Result{Outcome::Failed, ECONNRESET} : Result{};
        }
        if (read.outcome == Outcome::HungUp) {
            return {};  // a line whose other side is gone: what came is the answer
        }
        if (!read.done()) {
            return read;
        }
        if (got == 0) {
            std::this_thread::sleep_for(std::min(kEmptyPause, std::max(left(), milliseconds(0))));
        }
    }
    return {};
}

}  // namespace rotulano::printing::portStream
