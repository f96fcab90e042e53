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
// the other on a port of its own, reads each to its end of stream, keeps what it brought
// and closes it (which is how a printer confirms a row). A connection can be told to
// close after some bytes (a printer switched off mid-label), never to be read (a printer
// out of paper), to be read only once the test says so, or never to be closed (a printer
// that does not close its side); the printer can stop accepting or go away. A small
// receive buffer, set before listening, makes a printer that does not read stall the
// sender soon.
class TcpListener {
  public:
    explicit TcpListener(int receiveBuffer = 0);
    ~TcpListener();
    TcpListener(const TcpListener&) = delete;
    TcpListener& operator=(const TcpListener&) = delete;

    bool ready() const { return port_ > 0; }
    int port() const { return port_; }

    // The connection numbered `connection` (from 0) is read up to `bytes` and closed: with
    // a reset, or as a printer closes (a reset all the same when
    // bytes are left unread).
    enum class Close { Reset, Normal };
    void closeAfter(int connection, std::size_t bytes, Close how = Close::Reset);
    // The connection numbered `connection` is accepted and never read.
    void neverRead(int connection);
    // The connection numbered `connection` is accepted and read only after
    // resumeReading(), to its end.
    void pauseReading(int connection);
    // Reads the paused connection from now on. Returns the bytes its receive queue held,
    // unread, at this moment: all its network stack had acknowledged.
    std::size_t resumeReading();
    // The connection numbered `connection` is read to its end and never closed.
    void neverClose(int connection);
    // After `connections` connections the printer goes away: its listener is closed
    // before the last of them is, so that the next is refused.
    void goAwayAfter(int connections);
    // After `connections` connections the printer accepts no more: the next ones wait in
    // its accept queue, their bytes acknowledged by its network stack and never read.
    void stopAcceptingAfter(int connections);

    // What each finished connection brought, waiting until `connections` have ended
    // (or `timeout` passed).
    std::vector<std::string> received(std::size_t connections,
                                      std::chrono::milliseconds timeout = std::chrono::seconds(10));

    // Connections accepted so far.
    std::size_t accepted() const { return accepted_; }

  private:
    void run();
    void serve(int fd, int connection);
    bool waitForResume(int fd);
    bool lastConnection(int connection);

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<std::size_t> accepted_{0};
    std::mutex mutex_;
    std::map<int, std::pair<std::size_t, Close>> closeAfter_;
    std::vector<int> neverRead_;
    std::vector<int> neverClose_;
    int paused_ = -1;
    int pausedFd_ = -1;
    bool resumed_ = false;
    int goAwayAfter_ = -1;
    int stopAcceptingAfter_ = -1;
    std::vector<int> heldOpen_;
    std::vector<std::string> finished_;
    std::thread thread_;
};

}  // namespace rotulano::test
