#pragma once

#ifdef _WIN32

#include <windows.h>

#include <string>

namespace rotulano::core {

// A handle of Windows, closed when the object goes.
class WindowsHandle {
  public:
    explicit WindowsHandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    ~WindowsHandle() { closeNow(); }
    WindowsHandle(const WindowsHandle&) = delete;
    WindowsHandle& operator=(const WindowsHandle&) = delete;
    WindowsHandle(WindowsHandle&& other) noexcept : handle_(other.release()) {}
    WindowsHandle& operator=(WindowsHandle&& other) noexcept {
        if (this != &other) {
            closeNow();
            handle_ = other.release();
        }
        return *this;
    }

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE release() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return handle;
    }
    // False when the close itself failed (the last error says why).
    bool closeNow() {
        const HANDLE handle = release();
        return handle == INVALID_HANDLE_VALUE || handle == nullptr || ::CloseHandle(handle) != 0;
    }

  private:
    HANDLE handle_;
};

// True for a name that stands for a device rather than a file: "\\.\COM1", a pipe
// ("\\.\pipe\..."), or a name Windows keeps for its devices in any folder and with any
// extension (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9). Such a name is never opened as a
// file: opening a port would take it from its printer.
bool namesWindowsDevice(const std::wstring& path);

}  // namespace rotulano::core

#endif
