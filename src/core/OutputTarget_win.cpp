#include <QDir>
#include <QFileInfo>

#include "core/FileSaver.h"
#include "core/OutputTarget.h"
#include "core/SystemPath.h"
#include "core/WindowsHandle.h"

// The kinds of output names on Windows, as on Linux:
//   Linux                                    Windows
//   "-", /dev/stdout                         the same names
//   character device, terminal, FIFO         a device name (COM1, LPT1, NUL, \\.\pipe\...):
//                                            opened existing, never created, written into
//   regular file or none                     a disk file or none: FileSaver
//   directory, block device, socket, loop    a folder: refused
//   device and inode (identity)              volume serial and file index
// Names are UTF-8 (core/SystemPath.h). A terminal's line set-up is Linux's own: a console
// on Windows takes the bytes as they are.
namespace rotulano::core {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

}  // namespace

FileStatus OutputTarget::writeStream(const std::string& path, const std::string& bytes,
                                     const LineSetup&) {
    WindowsHandle device(::CreateFileW(wideSystemPath(path).c_str(), GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!device.valid()) {
        return fileStatusFromSystemError(::GetLastError());
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto size = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1U << 20));
        DWORD written = 0;
        if (!::WriteFile(device.get(), bytes.data() + done, size, &written, nullptr)) {
            return fileStatusFromSystemError(::GetLastError());
        }
        if (written == 0) {
            return kStatusIoError;
        }
        done += written;
    }
    return device.closeNow() ? kStatusOk : fileStatusFromSystemError(::GetLastError());
}

OutputTarget::OutputTarget(std::string path) : path_(std::move(path)) {
    const std::wstring name = wideSystemPath(path_);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    exists_ = attributes != INVALID_FILE_ATTRIBUTES;
    if (namesStandardOutput(path_)) {
        kind_ = Kind::Standard;
    } else if (!name.empty() && namesWindowsDevice(name)) {
        kind_ = Kind::Stream;
    } else if (exists_ && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        refuse("uma pasta", kStatusAttributesConflict);
    }
}

// A file that exists is its volume and index (a hard link is the same file); a name that
// does not exist yet is where its save would create it.
std::string OutputTarget::identity(const std::string& path) {
    WindowsHandle file(::CreateFileW(wideSystemPath(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (file.valid() && ::GetFileInformationByHandle(file.get(), &info)) {
        const std::uint64_t index =
            (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
        return "#" + std::to_string(info.dwVolumeSerialNumber) + ":" + std::to_string(index);
    }
    const std::string landing = FileSaver::landingName(path);
    return landing.empty() ? landing : "@" + landing;
}

FileStatus OutputTarget::makeFolders(const std::string& path) {
    const QString folder = pathToQt(path);
    if (!QDir().mkpath(folder)) {
        return QFileInfo(folder).exists() ? kStatusAttributesConflict : kStatusNotPermitted;
    }
    return QFileInfo(folder).isDir() ? kStatusOk : kStatusAttributesConflict;
}

}  // namespace rotulano::core
