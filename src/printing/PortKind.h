#pragma once

#include <string>

#include "printing/PortStream.h"

namespace rotulano::printing::portKind {

// What kind of port an open descriptor is, and the rules that follow from it: how the
// bytes of a piece are known to have left the program, and what is thrown away when a
// row fails. Every destination asks here, so the rules have one home.
enum class PortKind {
    File,      // a print file or a pipe: it holds what was written
    Parallel,  // a parallel port (/dev/lp0, LPT1): a printer driver with no output count
    Usb,       // a USB printer (/dev/usb/lp0) or another printer driver
    Serial,    // a serial line (/dev/ttyS0, COM1): its output queue can be counted and flushed
    PseudoTerminal,  // /dev/pts/N standing for a serial line: no output queue of its own
    Network,         // a TCP connection to a printer
};

// Linux tells the kind by the device node: a socket, a pseudo-terminal's or the parallel
// driver's device number, a terminal, another character device. Windows tells it by the
// handle: a character device that takes a serial line's settings (GetCommState) is a
// serial line, any other character device a parallel port, a disk file or a pipe a file.
PortKind kindOf(int fd);

// A serial line or a pseudo-terminal: put in raw mode and given the line settings.
bool isTerminal(PortKind kind);

// After the last byte of a piece: waits until the bytes have left the program. A serial
// line's output queue is empty (counted rather than drained with tcdrain, which cannot be
// given a time limit; on Windows ClearCommError's count of the output queue); a printer
// driver's last transfer is over (a USB printer reports a non-blocking write done before
// its transfer completes and drops a transfer still in flight at the close: the port is
// writable again only once it is over; on Windows a write completes only once its driver
// has taken it). A file, a pipe and a pseudo-terminal hold nothing on the program's side;
// a network printer confirms its row itself (TcpDestination).
// A serial driver that reports its queue empty at once (some USB adapters, and Wine's
// serial line over a pseudo-terminal) has taken the bytes when the write completed: the
// row counts from there.
portStream::Result settle(int fd, PortKind kind, portStream::StallClock& clock);

// A row that failed or was cancelled: what the system still holds for the port is thrown
// away before the port is closed, so that nothing more of the row reaches the printer. A
// serial line's output queue is flushed (Windows: PurgeComm, which under Wine flushes a
// pseudo-terminal standing for the line too); a network connection is set to be reset at
// its close instead of delivering what it still holds. A pseudo-terminal is never flushed:
// there a flush throws away what the other side has not read yet, bytes of rows already
// delivered. What a printer driver or the printer's own side already took cannot be
// called back.
void discardUnsent(int fd, PortKind kind);

}  // namespace rotulano::printing::portKind
