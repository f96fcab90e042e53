#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace rotulano::printing::portStream {

// Writing to an open port (a device or a network connection, opened non-blocking) so
// that a printer that stops taking bytes can never hang the program: every wait is
// bounded by the stall limit, which starts again whenever the port takes a byte.
enum class Outcome { Done, Stalled, Failed };

struct Result {
    Outcome outcome = Outcome::Done;
    int error = 0;  // errno of a failure

    bool done() const { return outcome == Outcome::Done; }
};

// Writes every byte of `bytes`.
Result writeAll(int fd, const std::string& bytes, std::chrono::milliseconds stall);

// Waits until `pending` (bytes the system still holds for the port, or -1 with errno set)
// says 0. The limit starts again whenever the count goes down.
Result drain(int fd, const std::function<long(int)>& pending, std::chrono::milliseconds stall);

// Waits until the port can take bytes again, within the limit: the last write to a
// printer driver that cannot tell its queue has completed by then.
Result waitWritable(int fd, std::chrono::milliseconds stall);

// "sem resposta em 30 s", "sem resposta em 0,5 s".
std::string stallReason(std::chrono::milliseconds stall);

}  // namespace rotulano::printing::portStream
