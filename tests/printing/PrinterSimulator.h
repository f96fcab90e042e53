#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace rotulano::test {

// A label printer on a two-way line for the tests: a TCP listener on 127.0.0.1 taking one
// connection after the other, or a pseudo-terminal standing in for a serial or USB
// printer. It keeps every byte it gets, in order, and answers each status query (ZPL
// "~HS", DPL SOH "A") with the next queued answer, else the standing one; an empty
// answer is silence.
class PrinterSimulator {
  public:
    enum class Line { Tcp, Pty };

    PrinterSimulator(Line line, bool zpl);
    ~PrinterSimulator();
    PrinterSimulator(const PrinterSimulator&) = delete;
    PrinterSimulator& operator=(const PrinterSimulator&) = delete;

    bool ready() const { return ready_; }
    // As the ports file names it: "tcp://127.0.0.1:PORT" or the terminal's path.
    std::string destination() const { return destination_; }
    const std::string& query() const { return query_; }

    void answerAlways(const std::string& answer);
    void answerNext(const std::string& answer);
    // Bytes that wait on the line before the job asks: a stale answer.
    void sendNow(const std::string& bytes);
    // A printer on a slow line: it reads `bytesPerSecond` at most, one network connection
    // at a time (the oldest open one), as a printer that handles one job after the other.
    void readSlowly(std::size_t bytesPerSecond) { bytesPerSecond_ = bytesPerSecond; }

    // Every byte received so far: waits until at least `expected` came (or `timeout`
    // passed), then a little longer, so that any extra byte is caught as well.
    std::string received(std::size_t expected,
                         std::chrono::milliseconds timeout = std::chrono::seconds(5));
    int queries() const { return queries_; }

    // The status query of the printer's language: ZPL "~HS", DPL SOH "A".
    static std::string queryOf(bool zpl);
    // Healthy answers and answers with one flag set, as the printers send them.
    static std::string zplAnswer(const std::string& flag = {});
    static std::string dplAnswer(const std::string& flags = "NNNNNNNN");

  private:
    void run();
    void take(int fd, const char* bytes, std::size_t size, std::string& seen);
    void serve(std::vector<int>& connections);
    // How much the printer may read now: all of `chunk` unless it reads slowly.
    std::size_t allowance(std::size_t chunk);

    bool ready_ = false;
    Line line_;
    std::string query_;
    std::string destination_;
    int listener_ = -1;
    int master_ = -1;
    int slave_ = -1;
    std::atomic<bool> stop_{false};
    std::atomic<int> queries_{0};
    std::atomic<std::size_t> bytesPerSecond_{0};
    std::size_t slowlyRead_ = 0;
    std::chrono::steady_clock::time_point slowSince_{};
    std::mutex mutex_;
    std::string received_;
    std::string standing_;
    std::deque<std::string> next_;
    std::thread thread_;
};

}  // namespace rotulano::test
