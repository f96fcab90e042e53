#include <windows.h>
// windows.h first: the shell's headers need its types.
#include <objbase.h>
#include <shlobj.h>

#include "core/SystemPath.h"
#include "core/WindowsHandle.h"
#include "core/WorkingFolder.h"
#include "core/WorkingFolderSystem.h"

// The working folder on Windows, as the desktop launcher makes it on Linux:
//   Linux (packaging/rotulano-desktop)       Windows (rotulano.exe --menu-iniciar)
//   ${HOME}/Rotulano                         SHGetKnownFolderPath(FOLDERID_Documents)\Rotulano,
//                                            which follows a Documents folder the user or the
//                                            domain moved elsewhere
//   mkdir -p, cd                             CreateDirectoryW, SetCurrentDirectoryW
//   set -e: the launcher stops               a message box naming the folder and the cause
// Names are UTF-8 (core/SystemPath.h).
namespace rotulano::core {

std::string userFolder() {
    PWSTR documents = nullptr;
    std::string folder;
    if (SUCCEEDED(
            ::SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_CREATE, nullptr, &documents))) {
        folder = pathFromWide(documents);
    }
    ::CoTaskMemFree(documents);
    return folder;
}

namespace workingFolder {

namespace {

FileStatus lastStatus() {
    return fileStatusFromSystemError(::GetLastError());
}

}  // namespace

std::string join(const std::string& parent, const std::string& name) {
    const bool separated = !parent.empty() && (parent.back() == '\\' || parent.back() == '/');
    return separated ? parent + name : parent + "\\" + name;
}

Kind kindOf(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(wideSystemPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Kind::Missing
                                                                              : Kind::Other;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? Kind::Folder : Kind::Other;
}

FileStatus make(const std::string& path) {
    return ::CreateDirectoryW(wideSystemPath(path).c_str(), nullptr) ? kStatusOk : lastStatus();
}

FileStatus probeWrite(const std::string& folder) {
    const std::wstring name =
        wideSystemPath(folder) + L"\\.rotulano-" + std::to_wstring(::GetCurrentProcessId());
    WindowsHandle file(::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                                     nullptr));
    return file.valid() ? kStatusOk : lastStatus();
}

FileStatus enter(const std::string& folder) {
    return ::SetCurrentDirectoryW(wideSystemPath(folder).c_str()) ? kStatusOk : lastStatus();
}

void show(const std::string& message) {
    ::MessageBoxW(nullptr, wideSystemPath(message).c_str(), L"Rotulano",
                  MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace workingFolder

}  // namespace rotulano::core
