#pragma once

#ifdef _WIN32

#include <windows.h>

#include <QDir>
#include <QTemporaryDir>
#include <string>
#include <vector>

// What the Windows tests of the file layer look at through Windows' own calls, never
// through the code they test: a file's bytes, the names in a folder, whether two names
// are one file.
namespace rotulano::test {

// A folder of the test's own, its name as the program keeps names (UTF-8, backslashes).
class WindowsTestFolder {
  public:
    bool valid() const { return dir_.isValid(); }
    // The UTF-8 name of `name` (UTF-16) inside the folder.
    std::string file(const std::wstring& name) const;
    std::wstring wide(const std::wstring& name) const;
    // Every name in the folder but "." and "..", hidden ones included.
    std::vector<std::wstring> names() const;

  private:
    QTemporaryDir dir_;
};

// The volume and index of the file `name` leads to, and its number of names.
struct FileIdentity {
    DWORD volume = 0;
    ULONGLONG index = 0;
    DWORD names = 0;
};

// The whole file at `name`; "<unreadable>" when it cannot be opened. Makes the file at
// `name` hold `bytes`. The volume and index of the file `name` leads to, and its names.
inline std::wstring WindowsTestFolder::wide(const std::wstring& name) const {
    return QDir::toNativeSeparators(dir_.path()).toStdWString() + L"\\" + name;
}

inline std::string WindowsTestFolder::file(const std::wstring& name) const {
    return QString::fromStdWString(wide(name)).toStdString();
}

inline std::vector<std::wstring> WindowsTestFolder::names() const {
    std::vector<std::wstring> found;
    WIN32_FIND_DATAW entry{};
    const HANDLE search = ::FindFirstFileW(wide(L"*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return found;
    }
    do {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") {
            found.push_back(name);
        }
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
    return found;
}

inline std::string readWide(const std::wstring& name) {
    const HANDLE file = ::CreateFileW(name.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "<unreadable>";
    }
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (::ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) {
        bytes.append(chunk, got);
    }
    ::CloseHandle(file);
    return bytes;
}

inline bool writeWide(const std::wstring& name, const std::string& bytes) {
    const HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool ok =
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    return ::CloseHandle(file) && ok;
}

inline FileIdentity identityOf(const std::wstring& name) {
    FileIdentity identity;
    const HANDLE file = ::CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    BY_HANDLE_FILE_INFORMATION info{};
    if (file != INVALID_HANDLE_VALUE && ::GetFileInformationByHandle(file, &info)) {
        identity.volume = info.dwVolumeSerialNumber;
        identity.index = (static_cast<ULONGLONG>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
        identity.names = info.nNumberOfLinks;
    }
    if (file != INVALID_HANDLE_VALUE) {
        ::CloseHandle(file);
    }
    return identity;
}

}  // namespace rotulano::test

#endif
