#include "core/GuardedFile.h"
#include "core/SystemPath.h"
#include "core/WindowsHandle.h"

// How the reader keeps on Windows the rules it keeps on Linux:
//   Linux                                    Windows
//   stat() before open: only S_ISREG read    a device name (COM1, NUL, \\.\pipe\...) refused
//                                            by name, never opened; a folder by its attributes
//   O_NONBLOCK open, fstat() after it        GetFileType() after the open: anything but a
//                                            disk file refused (status 96)
//   read() going on after EINTR              ReadFile
//   fstat() stamp of what was opened         GetFileInformationByHandle(Ex) of the handle
// Names are UTF-8 (core/SystemPath.h).
namespace rotulano::core {

struct GuardedFile::Handle {
    WindowsHandle file;
};

GuardedFile::GuardedFile() = default;

GuardedFile::~GuardedFile() = default;

FileStatus GuardedFile::open(const std::string& path) {
    close();
    const std::wstring name = wideSystemPath(path);
    if (name.empty()) {
        return kStatusNotFound;
    }
    if (namesWindowsDevice(name)) {
        return kStatusNotRegularFile;
    }
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return fileStatusFromSystemError(::GetLastError());
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return kStatusAttributesConflict;
    }
    auto handle = std::make_unique<Handle>();
    handle->file = WindowsHandle(::CreateFileW(
        name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!handle->file.valid()) {
        return fileStatusFromSystemError(::GetLastError());
    }
    if (::GetFileType(handle->file.get()) != FILE_TYPE_DISK) {
        return kStatusNotRegularFile;
    }
    handle_ = std::move(handle);
    return kStatusOk;
}

FileStatus GuardedFile::read(char* buffer, std::size_t size, std::size_t& count) {
    count = 0;
    constexpr std::size_t kLargestRead = 1U << 30;
    DWORD got = 0;
    const auto wanted = static_cast<DWORD>(size < kLargestRead ? size : kLargestRead);
    if (!::ReadFile(handle_->file.get(), buffer, wanted, &got, nullptr)) {
        return fileStatusFromSystemError(::GetLastError());
    }
    count = got;
    return kStatusOk;
}

void GuardedFile::close() {
    handle_.reset();
}

FileStatus GuardedFile::stamp(FileStamp& stamp) const {
    return fileStampOfHandle(handle_->file.get(), stamp);
}

}  // namespace rotulano::core
