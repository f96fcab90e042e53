#pragma once

#ifdef _WIN32

#include <windows.h>

#include <functional>
#include <string>

#include "core/FileStatus.h"

namespace rotulano::core {

// The calls of Windows through which a save can fail in ways that no test machine shows
// on demand (a full disk, a replace that moves the old file aside and then stops): the
// save takes them from here, so that a test can make each of them fail at its point.
// Each returns FALSE with the thread's last error set, as the call it stands for.
struct WindowsFileCalls {
    // WriteFile of `size` bytes at the handle's position.
    std::function<BOOL(HANDLE file, const char* bytes, DWORD size, DWORD* written)> write;
    // SetFileInformationByHandle(FileAllocationInfo): claims `size` bytes of disk.
    std::function<BOOL(HANDLE file, LONGLONG size)> reserve;
    // GetFileAttributesW(name): a link's own attributes, its file there or not.
    std::function<DWORD(const wchar_t* name)> attributes;
    // CreateFileW(name) for reading and writing, sharing all, OPEN_ALWAYS: the open of a
    // file rewritten in place, following the name's links as Windows does.
    std::function<HANDLE(const wchar_t* name)> openInPlace;
    // ReplaceFileW(target, replacement, backup).
    std::function<BOOL(const wchar_t* target, const wchar_t* replacement, const wchar_t* backup)>
        replace;
};

// Windows' own calls.
const WindowsFileCalls& systemFileCalls();

// FileSaver::save through `calls`.
FileStatus saveThrough(const WindowsFileCalls& calls, const std::string& path,
                       const std::string& bytes);

}  // namespace rotulano::core

#endif
