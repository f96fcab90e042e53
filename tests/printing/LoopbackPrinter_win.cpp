#include "LoopbackPrinter_win.h"

#include <ws2tcpip.h>

#include "printing/TcpConnection_win.h"

namespace rotulano::test {

namespace {

// How often the printer's waits look at the end of the test.
constexpr long kSliceMicros = 20000;

bool readable(SOCKET socket) {
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(socket, &ready);
    timeval slice{0, kSliceMicros};
    return ::select(0, &ready, nullptr, nullptr, &slice) > 0;
}

}  // namespace

LoopbackPrinter::LoopbackPrinter(Behaviour behaviour) : behaviour_(behaviour) {
    if (!printing::winsockStarted()) {
        return;
    }
    listener_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    if (listener_ == INVALID_SOCKET ||
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 4) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
}

LoopbackPrinter::~LoopbackPrinter() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
    if (listener_ != INVALID_SOCKET) {
        ::closesocket(listener_);
    }
}

std::vector<std::string> LoopbackPrinter::received(std::size_t connections,
                                                   std::chrono::milliseconds wait) {
    std::unique_lock<std::mutex> lock(mutex_);
    ended_.wait_for(lock, wait, [&] { return connections_.size() >= connections; });
    return connections_;
}

void LoopbackPrinter::serve() {
    while (!stop_) {
        if (!readable(listener_)) {
            continue;
        }
        const SOCKET connection = ::accept(listener_, nullptr, nullptr);
        if (connection == INVALID_SOCKET) {
            continue;
        }
        bool reset = false;
        std::string bytes = readConnection(connection, reset);
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            connections_.push_back(std::move(bytes));
            ended_.notify_all();
        }
        if (reset) {
            continue;
        }
        while (behaviour_ == Behaviour::NeverClose && !stop_) {
            readable(connection);
        }
        ::closesocket(connection);
    }
}

// Reads the connection as the behaviour says, each read after a bounded readable wait,
// so that the end of the test ends it too; `reset`: the connection was reset and closed.
std::string LoopbackPrinter::readConnection(SOCKET connection, bool& reset) {
    std::string bytes;
    bool answered = false;
    char chunk[4096];
    while (!stop_) {
        if (!readable(connection)) {
            continue;
        }
        int wanted = sizeof chunk;
        if (behaviour_ == Behaviour::ResetMidRow) {
            wanted =
                static_cast<int>(std::min<std::size_t>(sizeof chunk, resetAfter_ - bytes.size()));
        }
        const int got = ::recv(connection, chunk, wanted, 0);
        if (got <= 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
        if (behaviour_ == Behaviour::ResetMidRow && bytes.size() >= resetAfter_) {
            const linger abortive{1, 0};
            ::setsockopt(connection, SOL_SOCKET, SO_LINGER,
                         reinterpret_cast<const char*>(&abortive), sizeof abortive);
            ::closesocket(connection);
            reset = true;
            return bytes;
        }
        if (behaviour_ == Behaviour::Answer && !answered) {
            answered = true;
            ::send(connection, answer_.data(), static_cast<int>(answer_.size()), 0);
        }
    }
    return bytes;
}

}  // namespace rotulano::test
