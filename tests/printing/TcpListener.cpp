#include "TcpListener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
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

void TcpListener::closeAfter(int connection, std::size_t bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    closeAfter_[connection] = bytes;
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
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        ++accepted_;
        serve(fd, connection++);
        std::lock_guard<std::mutex> lock(mutex_);
        if (connection == goAwayAfter_) {
            // Nothing listens on the port any more: connections to it are refused.
            ::close(listener_);
            listener_ = -1;
            return;
        }
    }
}

void TcpListener::serve(int fd, int connection) {
    std::size_t limit = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (std::find(neverRead_.begin(), neverRead_.end(), connection) != neverRead_.end()) {
            heldOpen_.push_back(fd);
            return;
        }
        const auto found = closeAfter_.find(connection);
        limit = found == closeAfter_.end() ? 0 : found->second;
    }
    std::string bytes;
    char chunk[65536];
    while (waitReadable(fd, stop_)) {
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count <= 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(count));
        if (limit > 0 && bytes.size() >= limit) {
            const linger reset{1, 0};
            ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
            break;
        }
    }
    ::close(fd);
    std::lock_guard<std::mutex> lock(mutex_);
    finished_.push_back(bytes);
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
