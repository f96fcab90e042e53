#pragma once

#include <windows.h>

#include <string>

namespace rotulano::test {

// A named pipe of the test's own standing for a printer on Windows: the test holds the
// reading end, the port code gets the writing end as it gets a port (overlapped, as a
// descriptor owning its handle). The pipe takes only `buffer` bytes nobody has read.
class WindowsPipe {
  public:
    explicit WindowsPipe(unsigned long buffer = 4096);
    ~WindowsPipe();
    WindowsPipe(const WindowsPipe&) = delete;
    WindowsPipe& operator=(const WindowsPipe&) = delete;

    bool ready() const { return reader_ != INVALID_HANDLE_VALUE && writer_ >= 0; }
    // The writing end, as a port's descriptor; -1 when the pipe could not be made.
    int writer() const { return writer_; }
    // Every byte the pipe holds now.
    std::string readAvailable();
    // The reading end goes away: a printer switched off.
    void closeReader();

  private:
    HANDLE reader_ = INVALID_HANDLE_VALUE;
    int writer_ = -1;
};

// A file of the test's own opened as a port is (overlapped), as a descriptor; -1 when it
// cannot be opened.
int openAsPort(const std::wstring& path, unsigned long access = GENERIC_READ | GENERIC_WRITE);

}  // namespace rotulano::test
