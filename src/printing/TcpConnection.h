#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "printing/PortStream.h"

namespace rotulano::printing {

// One TCP connection to a printer as the system makes it: BSD sockets on Linux
// (TcpConnection_posix.cpp), Winsock on Windows (TcpConnection_win.cpp). Every wait is
// bounded by the clock or the time it is given. Errors are POSIX errno values on both
// systems (Winsock's are turned into them), so that a failure reads the same wherever the
// program runs. TcpDestination holds the rules of a row; this class only the calls.
class TcpConnection {
  public:
    TcpConnection() = default;
    // Closes the connection, if still open, in the orderly way.
    ~TcpConnection();
    TcpConnection(const TcpConnection&) = delete;
    TcpConnection& operator=(const TcpConnection&) = delete;

    // Connects to the numeric `address` (as a look-up gives it) and `port`, without
    // blocking, within `clock`. An address the system cannot use fails with error 0.
    portStream::Result open(const std::string& address, int port,
                            const portStream::StallClock& clock);

    // Writes every byte, waiting while the connection is full, within `clock`.
    portStream::Result write(const std::string& bytes, portStream::StallClock& clock);

    // Discards what the printer had sent, writes `query` within the stall limit and reads
    // the answer into `answer` until `complete`, `wait` or `stop`, as portStream::ask.
    portStream::Result ask(const std::string& query, std::string& answer,
                           const std::function<bool(const std::string&)>& complete,
                           std::chrono::milliseconds wait, std::chrono::milliseconds stall,
                           const std::atomic<bool>& stop);

    // Shuts down the sending side: 0, or the errno of the failure.
    int shutdownSending();

    // Reads and throws away what the printer sends, a bounded amount at a time (a printer
    // that never stops talking cannot hold a wait): 0 while it has more to say, 1 once it
    // has closed its side, -1 with `error` set when the connection failed.
    int readPrinterSide(int& error);

    // Whether unacknowledged() can count (Linux always; Windows where SIO_TCP_INFO is).
    bool countsAcknowledged() const { return counts_; }
    // Bytes written and not yet acknowledged by the printer's side; kNotCounted where the
    // system cannot tell; -1 with `error` set when the connection has failed (a pending
    // error is looked at first: a reset connection has nothing left to count).
    long unacknowledged(int& error);
    static constexpr long kNotCounted = -2;

    // Waits up to `slice` for the printer to send something or close.
    void waitForPrinter(std::chrono::milliseconds slice);

    // A failed or cancelled row: the connection is reset rather than closed (linger 0),
    // so that nothing it still holds reaches the printer afterwards.
    void reset();
    void close();

    // The system's words for an error no message of the program names.
    static std::string errorText(int error);

  private:
    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t socket_ = kClosed;
    std::size_t written_ = 0;
    bool counts_ = true;
};

}  // namespace rotulano::printing
