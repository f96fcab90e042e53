#include "TcpListener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

namespace rotulano::test {

namespace {
constexpr int kSliceMs = 20;

bool waitReadable(int fd, const std::atomic<bool>& stop) {
    while (!stop) {
        pollfd watch{fd, POLLIN, 0};
        if (::poll(&watch, 1, kSliceMs) > 0) {
            return true;
        }
    }
    return false;
}
}  // namespace

TcpListener::TcpListener(int receiveBuffer) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener_ < 0) {
        return;
    }
    if (receiveBuffer > 0) {
        ::setsockopt(listener_, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 8) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { run(); });
}

TcpListener::~TcpListener() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
    for (int fd : heldOpen_) {
        ::close(fd);
    }
    if (listener_ >= 0) {
        ::close(listener_);
    }
}

void TcpListener::closeAfter(int connection, std::size_t bytes, Close how) {
    std::lock_guard<std::mutex> lock(mutex_);
    closeAfter_[connection] = {bytes, how};
}

void TcpListener::pauseReading(int connection) {
    std::lock_guard<std::mutex> lock(mutex_);
    paused_ = connection;
}

std::size_t TcpListener::resumeReading() {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < end) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (pausedFd_ >= 0) {
                int unread = 0;
                ::ioctl(pausedFd_, FIONREAD, &unread);
                resumed_ = true;
                return static_cast<std::size_t>(unread);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kSliceMs));
    }
    return 0;
}

void TcpListener::neverClose(int connection) {
    std::lock_guard<std::mutex> lock(mutex_);
    neverClose_.push_back(connection);
}

void TcpListener::stopAcceptingAfter(int connections) {
    std::lock_guard<std::mutex> lock(mutex_);
    stopAcceptingAfter_ = connections;
}

void TcpListener::neverRead(int connection) {
    std::lock_guard<std::mutex> lock(mutex_);
    neverRead_.push_back(connection);
}

void TcpListener::goAwayAfter(int connections) {
    std::lock_guard<std::mutex> lock(mutex_);
    goAwayAfter_ = connections;
}

void TcpListener::run() {
    int connection = 0;
    while (waitReadable(listener_, stop_)) {
        bool stopAccepting = false;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopAccepting = connection == stopAcceptingAfter_;
        }
        if (stopAccepting) {
            // The listener stays open: connections queue up and are never accepted.
            return;
        }
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        ++accepted_;
        serve(fd, connection++);
        std::lock_guard<std::mutex> lock(mutex_);
        if (listener_ < 0) {
            return;
        }
    }
}

// The printer that goes away closes its listener before the last connection, so that the
// sender, which waits for that close, can only ever find the port refused.
bool TcpListener::lastConnection(int connection) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (connection + 1 != goAwayAfter_) {
        return false;
    }
    ::close(listener_);
    listener_ = -1;
    return true;
}

bool TcpListener::waitForResume(int fd) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pausedFd_ = fd;
    }
    while (!stop_) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (resumed_) {
                return true;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kSliceMs));
    }
    return false;
}

void TcpListener::serve(int fd, int connection) {
    std::pair<std::size_t, Close> limit{0, Close::Reset};
    bool keepOpen = false;
    bool paused = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (std::find(neverRead_.begin(), neverRead_.end(), connection) != neverRead_.end()) {
            heldOpen_.push_back(fd);
            return;
        }
        const auto found = closeAfter_.find(connection);
        limit = found == closeAfter_.end() ? limit : found->second;
        keepOpen =
            std::find(neverClose_.begin(), neverClose_.end(), connection) != neverClose_.end();
        paused = connection == paused_;
    }
    if (paused && !waitForResume(fd)) {
        heldOpen_.push_back(fd);
        return;
    }
    std::string bytes;
    char chunk[65536];
    while (waitReadable(fd, stop_)) {
        // A printer told to close after some bytes reads no more than those.
        const std::size_t most =
            limit.first > 0 ? std::min(sizeof chunk, limit.first - bytes.size()) : sizeof chunk;
        const ssize_t count = ::read(fd, chunk, most);
        if (count <= 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(count));
        if (limit.first > 0 && bytes.size() >= limit.first) {
            if (limit.second == Close::Reset) {
                const linger reset{1, 0};
                ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
            }
            break;
        }
    }
    lastConnection(connection);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        finished_.push_back(bytes);
    }
    if (keepOpen) {
        heldOpen_.push_back(fd);
    } else {
        ::close(fd);
    }
}

std::vector<std::string> TcpListener::received(std::size_t connections,
                                               std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (finished_.size() >= connections) {
                return finished_;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kSliceMs));
    }
    std::lock_guard<std::mutex> lock(mutex_);
    return finished_;
}

}  // namespace rotulano::test
