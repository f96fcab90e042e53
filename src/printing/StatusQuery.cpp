#include "printing/StatusQuery.h"

#include <algorithm>
#include <thread>

#include "printing/DeviceDestination.h"
#include "printing/TcpDestination.h"

namespace rotulano::printing::statusQuery {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// How long a printer with a full receive buffer is given before it is asked again.
constexpr milliseconds kBufferFullPause{250};
// A status connection carries no row: there is nothing for the printer's close to confirm.
constexpr milliseconds kNoRowToConfirm{0};

PrinterStatus askOnce(const core::PortDestination& destination, bool zpl, const NameLookup& lookup,
                      milliseconds stall, milliseconds wait, const std::atomic<bool>& stop) {
    const std::string query = printerStatus::query(zpl);
    const auto complete = [zpl](const std::string& answer) {
        return printerStatus::complete(zpl, answer);
    };
    std::string answer;
    core::Delivery asked;
    if (destination.kind == core::DestinationKind::Tcp) {
        asked = TcpDestination(destination, lookup, stall, kNoRowToConfirm, stop)
                    .ask(query, answer, complete, wait);
    } else {
        asked = DeviceDestination(destination, stall, stop).ask(query, answer, complete, wait);
    }
    if (!asked.ok()) {
        return {PrinterStatus::Kind::Unreachable, {}, asked.reason};
    }
    if (answer.empty()) {
        return {PrinterStatus::Kind::NoAnswer, {}, {}};
    }
    return printerStatus::parse(zpl, answer);
}

}  // namespace

PrinterStatus ask(const core::PortDestination& destination, bool zpl, const NameLookup& lookup,
                  milliseconds stall, milliseconds wait, const std::atomic<bool>& stop) {
    if (destination.kind == core::DestinationKind::Queue) {
        return {};
    }
    const Clock::time_point giveUp = Clock::now() + stall;
    while (true) {
        const PrinterStatus status = askOnce(destination, zpl, lookup, stall, wait, stop);
        const auto left = std::chrono::duration_cast<milliseconds>(giveUp - Clock::now());
        if (!status.onlyBufferFull() || left.count() <= 0 || stop) {
            return status;
        }
        std::this_thread::sleep_for(std::min(left, kBufferFullPause));
    }
}

}  // namespace rotulano::printing::statusQuery
