#include "printing/PortStream.h"

#include <algorithm>

namespace rotulano::printing::portStream {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

const std::atomic<bool> StallClock::kNeverStopped{false};

StallClock::StallClock(milliseconds stall, const std::atomic<bool>& stop)
    : stall_(stall), stop_(stop), progress_(Clock::now()) {}

StallClock::StallClock(milliseconds stall) : StallClock(stall, kNeverStopped) {}

void StallClock::progressed() {
    progress_ = Clock::now();
}

milliseconds StallClock::left() const {
    const milliseconds limit = stop_.load() ? std::min(stall_, kCancelGrace) : stall_;
    return std::chrono::duration_cast<milliseconds>(progress_ + limit - Clock::now());
}

Result writeAll(int fd, const std::string& bytes, milliseconds stall) {
    StallClock clock(stall);
    return writeAll(fd, bytes, clock);
}

Result drain(int fd, const std::function<long(int)>& pending, milliseconds stall) {
    StallClock clock(stall);
    return drain(fd, pending, clock);
}

std::string secondsText(milliseconds limit) {
    const long long tenths = (limit.count() + 99) / 100;
    std::string seconds = std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        seconds += "," + std::to_string(tenths % 10);
    }
    return seconds + " s";
}

std::string stallReason(milliseconds stall) {
    return "sem resposta em " + secondsText(stall);
}

}  // namespace rotulano::printing::portStream
