#include "core/FileStamp.h"
#include "core/SystemPath.h"
#include "core/WindowsHandle.h"

namespace rotulano::core {

namespace {

std::int64_t nanoseconds(LONGLONG ticks) {
    return static_cast<std::int64_t>(ticks) * 100;  // Windows counts time in 100 ns
}

}  // namespace

// The volume and file index tell the file (as device and inode do); the change time
// (FileBasicInfo) moves with any change of its content or attributes.
FileStatus fileStampOfHandle(void* handle, FileStamp& stamp) {
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_BASIC_INFO basic{};
    if (!::GetFileInformationByHandle(handle, &info) ||
        !::GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic)) {
        return fileStatusFromSystemError(::GetLastError());
    }
    stamp = FileStamp();
    stamp.device = info.dwVolumeSerialNumber;
    stamp.inode = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    stamp.size = static_cast<std::int64_t>((static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) |
                                           info.nFileSizeLow);
    stamp.modifiedNs = nanoseconds(basic.LastWriteTime.QuadPart);
    stamp.changedNs = nanoseconds(basic.ChangeTime.QuadPart);
    return kStatusOk;
}

FileStatus fileStampOf(const std::string& path, FileStamp& stamp) {
    const std::wstring name = wideSystemPath(path);
    if (name.empty()) {
        return kStatusNotFound;
    }
    if (namesWindowsDevice(name)) {
        return kStatusNotRegularFile;
    }
    WindowsHandle file(::CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid()) {
        return fileStatusFromSystemError(::GetLastError());
    }
    return fileStampOfHandle(file.get(), stamp);
}

}  // namespace rotulano::core
