#include <algorithm>

#include "core/SystemPath.h"
#include "core/WindowsHandle.h"
#include "printing/FileBytes.h"

// A print file on Windows, as on Linux:
//   Linux                                    Windows
//   open(O_CREAT | O_EXCL | O_NOFOLLOW)      CreateFileW(CREATE_NEW, FILE_FLAG_OPEN_REPARSE_POINT):
//                                            never through a symbolic link or junction
//   EEXIST: unlink() the entry, once more    ERROR_FILE_EXISTS: the entry itself deleted
//                                            (DeleteFileW for a file or a file link,
//                                            RemoveDirectoryW for a folder link), once more
//   mode 0600                                the private print folder's access list,
//                                            inherited
// Names are UTF-8 (core/SystemPath.h).
namespace rotulano::printing {

namespace {

core::WindowsHandle createExclusive(const std::wstring& name) {
    return core::WindowsHandle(::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT,
                                             nullptr));
}

// Deletes the entry at `name` itself: a link goes, never what it leads to.
void removeEntry(const std::wstring& name) {
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    const bool folderLink = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
                            (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    if (folderLink) {
        ::RemoveDirectoryW(name.c_str());
    } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        ::DeleteFileW(name.c_str());
    }
}

core::FileStatus writeAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto size = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1U << 20));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, size, &written, nullptr)) {
            return core::fileStatusFromSystemError(::GetLastError());
        }
        if (written == 0) {
            return core::kStatusIoError;
        }
        done += written;
    }
    return core::kStatusOk;
}

}  // namespace

core::FileStatus createFileBytes(const std::string& path, const std::string& bytes) {
    const std::wstring name = core::wideSystemPath(path);
    if (name.empty()) {
        return core::kStatusNotFound;
    }
    if (core::namesWindowsDevice(name)) {
        return core::kStatusNotRegularFile;
    }
    core::WindowsHandle file = createExclusive(name);
    const DWORD error = file.valid() ? ERROR_SUCCESS : ::GetLastError();
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
        removeEntry(name);
        file = createExclusive(name);
    }
    if (!file.valid()) {
        return core::fileStatusFromSystemError(::GetLastError());
    }
    core::FileStatus status = writeAll(file.get(), bytes);
    if (!file.closeNow() && status == core::kStatusOk) {
        status = core::fileStatusFromSystemError(::GetLastError());
    }
    return status;
}

}  // namespace rotulano::printing
