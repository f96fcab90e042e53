#include "printing/PortReading.h"

namespace rotulano::printing::portStream {

Result ask(int fd, const std::string& query, std::string& answer,
           const std::function<bool(const std::string&)>& complete, std::chrono::milliseconds wait,
           std::chrono::milliseconds stall, const std::atomic<bool>& stop) {
    discardInput(fd);
    StallClock clock(stall, stop);
    const Result written = writeAll(fd, query, clock);
    if (!written.done()) {
        return written;
    }
    return readAnswer(fd, answer, complete, wait, stop);
}

}  // namespace rotulano::printing::portStream
