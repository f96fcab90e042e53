#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <string>

#include "printing/PortStream.h"

namespace rotulano::printing::portStream {

// Reading a printer's answer from an open two-way port (a network connection, a serial
// line, a USB printer), opened non-blocking.

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
