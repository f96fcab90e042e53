#include <windows.h>

#include <algorithm>
#include <cctype>

#include "printing/PrinterLock.h"

// The printers' locks as Global\ named mutexes: the name is seen by every session of the
// machine, and the system destroys the mutex with the last handle to it, which a process
// that ends closes too, however it ends.
namespace rotulano::printing {

namespace {

// A kernel object's name may hold any character but the backslash, which would name a
// namespace of its own.
std::wstring globalName(const std::string& name) {
    std::wstring wide = L"Global\\";
    for (const char c : name) {
        wide += c == '\\' ? L'_' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    return wide;
}

}  // namespace

// The mutex existing already is what says another job holds the printer: a mutex is
// re-entered by the thread that owns it, so ownership alone would let a second job of
// the same thread in. A mutex whose owner ended without releasing it (WAIT_ABANDONED) is
// this job's now.
PrinterLock::Taken PrinterLock::takeName(const std::string& name, std::intptr_t& handle) {
    const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, globalName(name).c_str());
    if (mutex == nullptr) {
        // A mutex made by another user, whose rights let this one not open it, is held.
        return ::GetLastError() == ERROR_ACCESS_DENIED ? Taken::Busy : Taken::Unavailable;
    }
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        return Taken::Busy;
    }
    const DWORD waited = ::WaitForSingleObject(mutex, 0);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        ::CloseHandle(mutex);
        return Taken::Busy;
    }
    handle = reinterpret_cast<std::intptr_t>(mutex);
    return Taken::Held;
}

// The release may come from another thread than the take (a job's thread may end before
// its lock is let go); the close is what frees the name either way.
void PrinterLock::releaseName(std::intptr_t handle) {
    const HANDLE mutex = reinterpret_cast<HANDLE>(handle);
    ::ReleaseMutex(mutex);
    ::CloseHandle(mutex);
}

// Windows' device names ignore case: com1 and COM1 are one port.
std::string PrinterLock::resolvedPath(const std::string& path) {
    std::string key = path;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return key;
}

}  // namespace rotulano::printing
