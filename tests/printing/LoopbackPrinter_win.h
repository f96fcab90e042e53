#pragma once

#include <winsock2.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace rotulano::test {

// A network printer on 127.0.0.1 for the Windows tests, made with Winsock: it takes one
// connection at a time and keeps what each one carried. By default it reads each
// connection to its end of stream and then closes its side, as a printer confirms a row.
class LoopbackPrinter {
  public:
    enum class Behaviour {
        ReadAndClose,  // reads to the end of stream, then closes
        ResetMidRow,   // reads `resetAfter` bytes, then resets the connection
        NeverClose,    // reads to the end of stream and keeps its side open
        Answer,        // reads a status question, writes `answer`, then reads to the end
    };

    explicit LoopbackPrinter(Behaviour behaviour = Behaviour::ReadAndClose);
    ~LoopbackPrinter();
    LoopbackPrinter(const LoopbackPrinter&) = delete;
    LoopbackPrinter& operator=(const LoopbackPrinter&) = delete;

    bool ready() const { return port_ != 0; }
    int port() const { return port_; }
    void resetAfter(std::size_t bytes) { resetAfter_ = bytes; }
    void answerWith(std::string answer) { answer_ = std::move(answer); }

    // What the first `connections` connections carried, once they have ended, or what
    // came within `wait` (10 s at most: a test never waits without a bound).
    std::vector<std::string> received(std::size_t connections,
                                      std::chrono::milliseconds wait = std::chrono::seconds(10));

  private:
    void serve();
    std::string readConnection(SOCKET connection, bool& reset);

    Behaviour behaviour_;
    std::size_t resetAfter_ = 0;
    std::string answer_;
    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::condition_variable ended_;
    std::vector<std::string> connections_;
    std::thread thread_;
};

}  // namespace rotulano::test
