#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <string>

#include "printing/PortStream.h"

namespace rotulano::printing::portStream {

// Reading a printer's answer from an open two-way port (a network connection, a serial
// line, a USB printer), opened non-blocking (on Windows, for overlapped reads).

// A status answer is a few dozen bytes. A port that holds or sends more than these is not
// a printer answering (a device that never stops giving bytes, a peer that sends forever):
// what it gave up to here is its answer, which then does not parse.
inline constexpr std::size_t kMostDiscarded = 64 * 1024;
inline constexpr std::size_t kLongestAnswer = 4096;

// Throws away what the port holds already, so that a stale answer is never read; a port
// that never runs dry is left after a bounded amount.
void discardInput(int fd);

// Reads into `answer` until `complete` says it is whole (Done), the port is closed by
// the other side or has given more than any answer holds (Done, with what came), `wait`
// passes or `stop` turns true (Stalled) or reading fails. A connection closed before any
// byte of an answer came fails as reset (ECONNRESET).
Result readAnswer(int fd, std::string& answer,
                  const std::function<bool(const std::string&)>& complete,
                  std::chrono::milliseconds wait, const std::atomic<bool>& stop);

// Asks the printer on `fd`: discards its pending input, writes `query` (within the stall
// limit, shortened by a cancel) and reads the answer as above. Done or Stalled leave what
// came in `answer`.
Result ask(int fd, const std::string& query, std::string& answer,
           const std::function<bool(const std::string&)>& complete, std::chrono::milliseconds wait,
           std::chrono::milliseconds stall, const std::atomic<bool>& stop);

}  // namespace rotulano::printing::portStream
