#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace rotulano::test {

// A network label printer on 127.0.0.1 for the tests: it accepts one connection after
// the other on a port of its own and keeps what each brought. A connection can be told
// to close after some bytes (a printer switched off mid-label) or never to be read (a
// printer out of paper); a small receive buffer, set before listening, makes the
// latter stall the sender soon.
class TcpListener {
  public:
    explicit TcpListener(int receiveBuffer = 0);
    ~TcpListener();
    TcpListener(const TcpListener&) = delete;
    TcpListener& operator=(const TcpListener&) = delete;

    bool ready() const { return port_ > 0; }
    int port() const { return port_; }

    // The connection numbered `connection` (from 0) is closed, with a reset, once it
    // has brought at least `bytes`.
    void closeAfter(int connection, std::size_t bytes);
    // The connection numbered `connection` is accepted and never read.
    void neverRead(int connection);
    // After `connections` connections the printer goes away: the next is refused.
    void goAwayAfter(int connections);

    // What each finished connection brought, waiting until `connections` have ended
    // (or `timeout` passed).
    std::vector<std::string> received(std::size_t connections,
                                      std::chrono::milliseconds timeout = std::chrono::seconds(10));

    // Connections accepted so far.
    std::size_t accepted() const { return accepted_; }

  private:
    void run();
    void serve(int fd, int connection);

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<std::size_t> accepted_{0};
    std::mutex mutex_;
    std::map<int, std::size_t> closeAfter_;
    std::vector<int> neverRead_;
    int goAwayAfter_ = -1;
    std::vector<int> heldOpen_;
    std::vector<std::string> finished_;
    std::thread thread_;
};

}  // namespace rotulano::test
