#pragma once

#include <atomic>
#include <chrono>

#include "core/PortDestination.h"
#include "printing/NameLookup.h"
#include "printing/PrinterStatus.h"

namespace rotulano::printing::statusQuery {

// Asks the printer of a network or device destination for its status once: no answer
// within `wait` (or before `stop` is set) is NoAnswer, an answer that is not one Garbled,
// a printer that cannot be reached Unreachable. A ZPL printer whose receive buffer is full (and
// nothing else) is still taking an earlier job: it is asked again until `stall` has passed or
// `stop` is set. A print queue is never asked.
PrinterStatus ask(const core::PortDestination& destination, bool zpl, const NameLookup& lookup,
                  std::chrono::milliseconds stall, std::chrono::milliseconds wait,
                  const std::atomic<bool>& stop);

}  // namespace rotulano::printing::statusQuery
