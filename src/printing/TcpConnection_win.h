#pragma once

#include <cstddef>
#include <cstdint>

namespace rotulano::printing {

// Winsock, started on first use (connections and name look-ups); false when it cannot be.
bool winsockStarted();

namespace tcpCounts {

// What SIO_TCP_INFO (Windows 10 1703 and later) tells of a connection whose sending side
// is shut down: its state and its byte counts.
struct Counts {
    int state = 0;  // TCPSTATE: 6 FIN_WAIT_2, 10 TIME_WAIT, 0 CLOSED, ...
    std::uint64_t bytesOut = 0;
    std::uint32_t bytesRetransmitted = 0;
    std::uint32_t bytesInFlight = 0;
};

// The bytes of the `written` that the printer's side has not acknowledged. The end of
// the sending side (FIN) goes after the last byte, so once the printer has acknowledged
// it (the connection is in FIN_WAIT_2, TIME_WAIT or closed) every byte is: 0. Until then
// at least 1, the count going down as the printer takes bytes, so that a slow printer is
// seen to progress.
long unacknowledged(std::size_t written, const Counts& counts);

}  // namespace tcpCounts

}  // namespace rotulano::printing
