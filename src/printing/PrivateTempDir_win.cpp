#include <aclapi.h>
#include <sddl.h>

#include <cstdint>
#include <memory>

#include "core/SystemPath.h"
#include "core/WindowsHandle.h"
#include "printing/PrivateTempDir.h"

// The print folder on Windows keeps Linux's rules:
//   Linux                                    Windows
//   mkdtemp() in the shared temp folder      CreateDirectoryW of prefix-XXXXXX under
//                                            GetTempPathW, failing when the name is taken
//   mode 0700                                a protected access list giving this user alone
//                                            full control, inherited by the files inside (TEMP
//                                            may name a folder other users reach: the folder
//                                            is made private wherever it lies)
//   flock() on the marker for the run's life the marker held open for writing, sharing reads
//                                            only: another open for writing fails until the
//                                            process ends, however it ends
//   stale: a directory of this user, 0700,   stale: a folder (not a reparse point) owned as
//   a written marker whose lock is free      this user's new files are, a written marker that
//                                            opens for writing
//   entries removed without following links  links deleted as entries (DeleteFileW,
//                                            RemoveDirectoryW), never followed; the folder is
//                                            held open without delete sharing meanwhile
namespace rotulano::printing {

namespace {

using core::WindowsHandle;

constexpr DWORD kShareNoDelete = FILE_SHARE_READ | FILE_SHARE_WRITE;

std::wstring wide(const std::string& path) {
    return core::wideSystemPath(path);
}

// This process's token information of `kind` (TokenUser, TokenOwner).
std::unique_ptr<char[]> tokenInformation(TOKEN_INFORMATION_CLASS kind) {
    HANDLE raw = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &raw)) {
        return nullptr;
    }
    const WindowsHandle token(raw);
    DWORD size = 0;
    ::GetTokenInformation(token.get(), kind, nullptr, 0, &size);
    auto buffer = std::make_unique<char[]>(size > 0 ? size : 1);
    if (size == 0 || !::GetTokenInformation(token.get(), kind, buffer.get(), size, &size)) {
        return nullptr;
    }
    return buffer;
}

// "D:P(A;OICI;FA;;;<this user>)": this user alone, files and folders inside included,
// nothing inherited from the shared folder.
std::wstring privateAccess() {
    const auto user = tokenInformation(TokenUser);
    LPWSTR sid = nullptr;
    if (!user ||
        !::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.get())->User.Sid, &sid)) {
        return {};
    }
    std::wstring access = L"D:P(A;OICI;FA;;;" + std::wstring(sid) + L")";
    ::LocalFree(sid);
    return access;
}

// Makes the folder `name` private to this user; false when it exists or cannot be made.
bool makePrivateFolder(const std::wstring& name) {
    const std::wstring access = privateAccess();
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (access.empty() || !::ConvertStringSecurityDescriptorToSecurityDescriptorW(
                              access.c_str(), SDDL_REVISION_1, &descriptor, nullptr)) {
        return false;
    }
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
    const bool made = ::CreateDirectoryW(name.c_str(), &attributes) != 0;
    ::LocalFree(descriptor);
    return made;
}

std::string randomPart(unsigned& seed) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string part;
    for (int i = 0; i < 6; ++i) {
        seed = seed * 1103515245U + 12345U;
        part += kLetters[(seed >> 16) % 36];
    }
    return part;
}

// The folder itself, never what a link there leads to; held without delete sharing.
WindowsHandle holdFolder(const std::wstring& name) {
    return WindowsHandle(::CreateFileW(
        name.c_str(), FILE_LIST_DIRECTORY | READ_CONTROL, kShareNoDelete, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
}

// Deletes every entry of the folder that is not a folder: print files, the marker, a
// link someone put there (the link goes, never what it leads to).
void emptyFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW entry{};
    const HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::wstring name = folder + L"\\" + entry.cFileName;
        const DWORD kind = entry.dwFileAttributes;
        if ((kind & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            ::DeleteFileW(name.c_str());
        } else if ((kind & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
            ::RemoveDirectoryW(name.c_str());
        }
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
}

// True when the held folder is a plain folder owned by this user, or as this user's new
// files are (an administrator's belong to the administrators' group).
bool ownFolder(HANDLE folder) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(folder, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return false;
    }
    PSID folderOwner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetSecurityInfo(folder, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &folderOwner, nullptr,
                          nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
        return false;
    }
    const auto user = tokenInformation(TokenUser);
    const auto owner = tokenInformation(TokenOwner);
    const bool same =
        (user &&
         ::EqualSid(folderOwner, reinterpret_cast<TOKEN_USER*>(user.get())->User.Sid) != 0) ||
        (owner && ::EqualSid(folderOwner, reinterpret_cast<TOKEN_OWNER*>(owner.get())->Owner) != 0);
    ::LocalFree(descriptor);
    return same;
}

// A written marker that opens for writing: no live run holds it.
bool markerFree(const std::wstring& folder) {
    const std::wstring marker = folder + L"\\" + core::wideSystemPath(PrivateTempDir::markerName());
    WindowsHandle file(
        ::CreateFileW(marker.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    LARGE_INTEGER size{};
    return file.valid() && ::GetFileType(file.get()) == FILE_TYPE_DISK &&
           ::GetFileSizeEx(file.get(), &size) && size.QuadPart > 0;
}

void removeIfStale(const std::wstring& folder) {
    WindowsHandle held = holdFolder(folder);
    if (!held.valid() || !ownFolder(held.get()) || !markerFree(folder)) {
        return;
    }
    emptyFolder(folder);
    held.closeNow();
    ::RemoveDirectoryW(folder.c_str());
}

bool writePid(HANDLE marker) {
    const std::string pid = std::to_string(::GetCurrentProcessId()) + "\r\n";
    DWORD written = 0;
    return ::WriteFile(marker, pid.data(), static_cast<DWORD>(pid.size()), &written, nullptr) &&
           written == pid.size() && ::FlushFileBuffers(marker);
}

}  // namespace

// The marker is held before anything is written into it: a folder whose marker is empty
// is never taken for stale, so no other run removes this one while it is made.
void PrivateTempDir::make(const std::string& sharedDir) {
    if (sharedDir.empty()) {
        return;
    }
    unsigned seed = static_cast<unsigned>(::GetTickCount64()) ^ (::GetCurrentProcessId() << 12) ^
                    static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(this));
    std::string folder;
    for (int attempt = 0; attempt < 100 && name_.empty(); ++attempt) {
        const std::string name = prefix_ + "-" + randomPart(seed);
        if (makePrivateFolder(wide(sharedDir + name))) {
            name_ = name;
            folder = sharedDir + name;
        } else if (::GetLastError() != ERROR_ALREADY_EXISTS) {
            return;
        }
    }
    WindowsHandle held = holdFolder(wide(folder));
    WindowsHandle marker(::CreateFileW(wide(folder + "\\" + markerName()).c_str(),
                                       GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                       CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    folderHandle_ = held.release();
    markerHandle_ = marker.release();
    if (folderHandle_ == INVALID_HANDLE_VALUE || markerHandle_ == INVALID_HANDLE_VALUE ||
        !writePid(markerHandle_)) {
        path_ = folder + "\\";
        remove();
        return;
    }
    path_ = folder + "\\";
    enlist(this);
}

void PrivateTempDir::remove() {
    delist(this);
    WindowsHandle marker(markerHandle_);
    WindowsHandle held(folderHandle_);
    markerHandle_ = nullptr;
    folderHandle_ = nullptr;
    marker.closeNow();
    if (!path_.empty()) {
        const std::wstring folder = wide(path_.substr(0, path_.size() - 1));
        emptyFolder(folder);
        held.closeNow();
        ::RemoveDirectoryW(folder.c_str());
    }
    name_.clear();
    path_.clear();
}

void PrivateTempDir::removeStale(const std::string& sharedDir,
                                 const std::vector<std::string>& prefixes) {
    if (sharedDir.empty()) {
        return;
    }
    std::vector<std::string> candidates;
    WIN32_FIND_DATAW entry{};
    const HANDLE search = ::FindFirstFileW(wide(sharedDir + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::string name = core::pathFromWide(entry.cFileName);
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
            namedByOne(name, prefixes)) {
            candidates.push_back(name);
        }
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
    for (const std::string& name : candidates) {
        removeIfStale(wide(sharedDir + name));
    }
}

}  // namespace rotulano::printing
