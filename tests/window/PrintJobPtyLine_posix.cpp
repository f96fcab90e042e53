#include "window/PrintJobPtyLine_posix.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>

namespace rotulano::test {

namespace {
constexpr int kPollMs = 20;
constexpr auto kSettleTime = std::chrono::milliseconds(200);
}  // namespace

PrintJobPtyLine::PrintJobPtyLine() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        return;
    }
    const char* name = ::ptsname(master_);
    if (name == nullptr) {
        return;
    }
    path_ = name;
    holder_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
    reader_ = std::thread([this] { readLoop(); });
}

PrintJobPtyLine::~PrintJobPtyLine() {
    stop_ = true;
    if (reader_.joinable()) {
        reader_.join();
    }
    if (holder_ >= 0) {
        ::close(holder_);
    }
    if (master_ >= 0) {
        ::close(master_);
    }
}

void PrintJobPtyLine::readLoop() {
    char buffer[4096];
    while (!stop_) {
        pollfd watch{master_, POLLIN, 0};
        if (::poll(&watch, 1, kPollMs) <= 0 || (watch.revents & POLLIN) == 0) {
            continue;
        }
        const ssize_t count = ::read(master_, buffer, sizeof buffer);
        if (count > 0) {
            std::lock_guard<std::mutex> lock(mutex_);
            bytes_.append(buffer, static_cast<std::size_t>(count));
        }
    }
}

std::string PrintJobPtyLine::snapshot() {
    std::lock_guard<std::mutex> lock(mutex_);
    return bytes_;
}

std::string PrintJobPtyLine::received(std::size_t expected, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (snapshot().size() < expected && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
    std::this_thread::sleep_for(kSettleTime);
    return snapshot();
}

}  // namespace rotulano::test
