#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace rotulano::test {

// What a network printer does with one connection.
struct Conduct {
    enum class Kind {
        Healthy,           // reads to the end of stream, then closes
        Stall,             // reads `after` bytes, nothing for `pause`, then goes on as Healthy
        SlowRead,          // reads at most `chunk` bytes every `every`, as Healthy otherwise
        CloseMidRow,       // reads `after` bytes (or to the end of stream) and closes
        CloseBetweenRows,  // closes the connection as soon as it has it, reading nothing
        ResetMidRow,       // reads `after` bytes (or to the end) and resets (linger 0)
        // Reads as Healthy, then accepts nothing for `pause`, closes its listening socket
        // (the connections queued on it are reset) and listens again on the same port
        // after `away`; without `away`, never again.
        StopAccepting,
    };

    Kind kind = Kind::Healthy;
    std::size_t after = 0;
    std::chrono::milliseconds pause{0};
    std::optional<std::chrono::milliseconds> away;
    std::size_t chunk = 0;  // SlowRead
    std::chrono::microseconds every{0};

    static Conduct slowRead(std::size_t chunk, std::chrono::microseconds every) {
        Conduct conduct;
        conduct.kind = Kind::SlowRead;
        conduct.chunk = chunk;
        conduct.every = every;
        return conduct;
    }
    static Conduct cut(Kind kind, std::size_t after) {
        Conduct conduct;
        conduct.kind = kind;
        conduct.after = after;
        return conduct;
    }
};

const char* conductName(Conduct::Kind kind);

// How often each fault comes (per thousand connections; the rest are healthy) and how
// long its waits last at most.
struct ConductMix {
    int stall = 40;
    int slowRead = 60;
    int closeMidRow = 30;
    int closeBetweenRows = 20;
    int resetMidRow = 30;
    int stopAccepting = 15;
    std::size_t longestCut = 1500;  // bytes read before a fault mid-row
    std::chrono::milliseconds longestPause{1200};
    std::chrono::milliseconds longestAway{1000};
    std::size_t largestSlowChunk = 256;  // read every 5 ms
};

// The same conducts, in the same order, for the same seed.
class SeededConducts {
  public:
    explicit SeededConducts(unsigned seed, ConductMix mix = {});
    Conduct next();

  private:
    std::size_t upTo(std::size_t most);
    std::chrono::milliseconds pauseUpTo(std::chrono::milliseconds most);

    std::mt19937 random_;
    ConductMix mix_;
};

// What the printer did with one connection.
struct ReadConnection {
    using Clock = std::chrono::steady_clock;

    Conduct conduct;
    std::string bytes;         // every byte read from it, in order
    bool endOfStream = false;  // read up to the sender's end of stream
    bool reset = false;        // the sender reset it
    Clock::time_point accepted;
    Clock::time_point listening;  // when the listening socket it came through was opened
};

// A raw-TCP label printer on 127.0.0.1 for the tests, the soak and the benchmarks. It
// takes one connection at a time, in the order they came, and does with each what its
// chooser says; connections that come meanwhile wait in the listening socket's queue, as
// they do on a printer busy printing. Its receive buffer is small (4 KiB), so that what
// the kernel takes for it does not hide what the printer itself read. A status query
// can be answered on any connection.
class NetworkPrinter {
  public:
    using Clock = std::chrono::steady_clock;
    using Chooser = std::function<Conduct(std::size_t connection)>;
    static constexpr int kReceiveBuffer = 4096;

    explicit NetworkPrinter(Chooser choose);
    ~NetworkPrinter();
    NetworkPrinter(const NetworkPrinter&) = delete;
    NetworkPrinter& operator=(const NetworkPrinter&) = delete;

    bool ready() const { return port_ > 0; }
    int port() const { return port_; }
    // As the ports file names it.
    std::string destination() const { return "tcp://127.0.0.1:" + std::to_string(port_); }

    // Each `query` read on a connection is answered at once with `answer`.
    void answerStatus(std::string query, std::string answer);

    // Waits until the printer has been idle for `quiet` (no connection being read, none
    // queued, no pause running) or `timeout` passed; true when it was.
    bool settle(std::chrono::milliseconds quiet, std::chrono::milliseconds timeout);
    // The connections it is done with, in the order it accepted them.
    std::vector<ReadConnection> connections() const;
    std::size_t bytesRead() const { return bytesRead_; }

  private:
    bool listen();
    void run();
    void serve(int fd, ReadConnection& connection);
    void stopAccepting(const Conduct& conduct);
    bool readUpTo(int fd, std::size_t limit, ReadConnection& connection);
    void take(int fd, const char* bytes, std::size_t size, ReadConnection& connection);
    void pauseFor(std::chrono::microseconds duration) const;

    Chooser choose_;
    int listener_ = -1;
    int port_ = 0;
    Clock::time_point listening_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> busy_{false};
    std::atomic<std::size_t> bytesRead_{0};
    std::atomic<Clock::rep> lastActive_{0};
    mutable std::mutex mutex_;
    std::string query_;
    std::string answer_;
    std::vector<ReadConnection> done_;
    std::thread thread_;
};

}  // namespace rotulano::test
