#include <windows.h>

#include <vector>

#include "core/WideText.h"
#include "journal/JournalFiles.h"

namespace rotulano::journal {

namespace {

// SQLite's lock bytes on Windows: the pending, reserved and shared bytes of the database
// file, and the "a connection is using this" byte of its shared memory (os_win.c).
constexpr DWORD kDatabaseLockStart = 0x40000000;
constexpr DWORD kDatabaseLockLength = 512;
constexpr DWORD kSharedMemoryInUse = 128;

std::wstring wide(const std::string& path) {
    const std::u16string units = core::wideText(path);
    return std::wstring(units.begin(), units.end());
}

bool writeLock(HANDLE file, DWORD start, DWORD length) {
    OVERLAPPED where{};
    where.Offset = start;
    return LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, length, 0,
                      &where) != 0;
}

HANDLE openExisting(const std::string& path) {
    return CreateFileW(wide(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

bool onNetworkFolder(const std::string& folder) {
    const std::wstring name = wide(folder);
    if (name.rfind(L"\\\\", 0) == 0 || name.rfind(L"//", 0) == 0) {
        return true;
    }
    wchar_t volume[MAX_PATH] = {};
    if (!GetVolumePathNameW(name.c_str(), volume, MAX_PATH)) {
        return false;
    }
    return GetDriveTypeW(volume) == DRIVE_REMOTE;
}

struct ExclusiveJournalLock::Handles {
    std::vector<HANDLE> files;
    ~Handles() {
        for (HANDLE file : files) {
            CloseHandle(file);
        }
    }
};

ExclusiveJournalLock::ExclusiveJournalLock() : handles_(std::make_unique<Handles>()) {}
ExclusiveJournalLock::~ExclusiveJournalLock() = default;

bool ExclusiveJournalLock::tryLock(const std::string& path) {
    const HANDLE database = openExisting(path);
    if (database == INVALID_HANDLE_VALUE) {
        return false;
    }
    handles_->files.push_back(database);
    if (!writeLock(database, kDatabaseLockStart, kDatabaseLockLength)) {
        return false;
    }
    const HANDLE sharedMemory = openExisting(path + "-shm");
    if (sharedMemory == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    handles_->files.push_back(sharedMemory);
    return writeLock(sharedMemory, kSharedMemoryInUse, 1);
}

bool moveAside(const std::string& from, const std::string& to) {
    return MoveFileExW(wide(from).c_str(), wide(to).c_str(), 0) != 0;
}

}  // namespace rotulano::journal
