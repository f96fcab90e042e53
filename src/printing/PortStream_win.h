#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

#include "printing/PortStream.h"

// The Windows side of the ports. A port is opened with CreateFileW for overlapped I/O and
// handed to the rest of the program as a C runtime descriptor that owns its handle
// (_open_osfhandle), so that every destination and every port rule takes the same `int`
// on both systems; these functions get the handle back.
namespace rotulano::printing::portStream {

// The port's handle behind the descriptor `fd`.
HANDLE handleOf(int fd);

// A descriptor owning `handle`; -1 (with the handle closed) when none can be made.
int descriptorOf(HANDLE handle);

// Closes the descriptor and its handle.
void closePort(int fd);

// The errno a Windows error of a port stands for, so that the messages and statuses are
// those of Linux: a port held by another program is EBUSY, a missing one ENOENT.
int errnoOf(DWORD error);

// A Windows error that says the device's other side is gone: a printer switched off or
// unplugged, a pipe whose reader went away (the Linux hang-up).
bool meansHungUp(DWORD error);

// The result of a port's failed call, by its Windows error.
Result failureOf(DWORD error);

// Waits for the overlapped operation `pending` on `port` while `left` gives time, in
// slices; once it gives none, the operation is cancelled (CancelIoEx) and Stalled is the
// result. `transferred` gets the bytes the operation moved, cancelled or not.
Result finishOverlapped(HANDLE port, OVERLAPPED& pending, DWORD& transferred,
                        const std::function<std::chrono::milliseconds()>& left);

// An event for one overlapped operation at a time, closed with it.
class OverlappedEvent {
  public:
    OverlappedEvent();
    ~OverlappedEvent();
    OverlappedEvent(const OverlappedEvent&) = delete;
    OverlappedEvent& operator=(const OverlappedEvent&) = delete;

    bool ready() const { return event_ != nullptr; }
    // A fresh OVERLAPPED for an operation at `offset` of a file (a device ignores it).
    OVERLAPPED& start(unsigned long long offset);

    // The offset of a write that goes after what the file holds, as a port's bytes follow
    // the ones before (a port that is a plain file, as Wine's unmapped ports are).
    static constexpr unsigned long long kEndOfFile = ~0ULL;

  private:
    HANDLE event_;
    OVERLAPPED overlapped_{};
};

}  // namespace rotulano::printing::portStream
