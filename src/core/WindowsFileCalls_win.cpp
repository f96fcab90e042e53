#include "core/WindowsFileCalls.h"

#include <cwctype>

#include "core/WindowsHandle.h"

namespace rotulano::core {

namespace {

BOOL systemWrite(HANDLE file, const char* bytes, DWORD size, DWORD* written) {
    return ::WriteFile(file, bytes, size, written, nullptr);
}

BOOL systemReserve(HANDLE file, LONGLONG size) {
    FILE_ALLOCATION_INFO allocation{};
    allocation.AllocationSize.QuadPart = size;
    return ::SetFileInformationByHandle(file, FileAllocationInfo, &allocation, sizeof allocation);
}

DWORD systemAttributes(const wchar_t* name) {
    return ::GetFileAttributesW(name);
}

HANDLE systemOpenInPlace(const wchar_t* name) {
    return ::CreateFileW(name, GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

BOOL systemReplace(const wchar_t* target, const wchar_t* replacement, const wchar_t* backup) {
    return ::ReplaceFileW(target, replacement, backup, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                          nullptr);
}

const wchar_t* const kDeviceNames[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};

// The last part of a name, without what follows its first dot, trailing spaces dropped,
// in capitals: "c:\x\lpt1.txt " gives "LPT1".
std::wstring deviceStem(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/:");
    std::wstring stem = slash == std::wstring::npos ? path : path.substr(slash + 1);
    stem = stem.substr(0, stem.find(L'.'));
    while (!stem.empty() && stem.back() == L' ') {
        stem.pop_back();
    }
    for (wchar_t& c : stem) {
        c = static_cast<wchar_t>(std::towupper(c));
    }
    return stem;
}

bool isNumberedPort(const std::wstring& stem) {
    return stem.size() == 4 &&
           (stem.compare(0, 3, L"COM") == 0 || stem.compare(0, 3, L"LPT") == 0) &&
           stem[3] >= L'1' && stem[3] <= L'9';
}

}  // namespace

bool namesWindowsDevice(const std::wstring& path) {
    if (path.rfind(L"\\\\.\\", 0) == 0 || path.rfind(L"//./", 0) == 0) {
        return true;
    }
    const std::wstring stem = deviceStem(path);
    for (const wchar_t* name : kDeviceNames) {
        if (stem == name) {
            return true;
        }
    }
    return isNumberedPort(stem);
}

const WindowsFileCalls& systemFileCalls() {
    static const WindowsFileCalls calls{systemWrite, systemReserve, systemAttributes,
                                        systemOpenInPlace, systemReplace};
    return calls;
}

}  // namespace rotulano::core
