#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdint>

#include "core/FileSaver.h"
#include "core/SystemPath.h"
#include "core/WindowsFileCalls.h"
#include "core/WindowsHandle.h"

// How a save keeps on Windows the rules it keeps on Linux:
//   Linux                                    Windows
//   new file beside, fsync, rename()         new file beside (CREATE_NEW), FlushFileBuffers,
//                                            ReplaceFileW with a backup name (the old file's
//                                            attributes and access list go to the new one),
//                                            the backup deleted; a missing file: MoveFileExW
//   rename() failed: nothing changed         ERROR_UNABLE_TO_MOVE_REPLACEMENT(_2): the old file
//                                            moved aside is moved back from the backup name
//   st_nlink > 1: rewrite in place           nNumberOfLinks > 1 (GetFileInformationByHandle)
//   a link: saved at the end of its chain    a reparse point (symbolic link, junction): the
//                                            file it leads to rewritten in place (OPEN_ALWAYS:
//                                            made when the link's file is gone)
//   folder takes no new file: in place       new file refused (access denied): in place
//   posix_fallocate before writing           FileAllocationInfo (SetFileInformationByHandle)
//   ftruncate once written and synced        SetEndOfFile once written and flushed
//   EFBIG/ENOSPC: status 34, old bytes kept  ERROR_DISK_FULL/ERROR_HANDLE_DISK_FULL: the same
//   no write permission bit: never replaced  FILE_ATTRIBUTE_READONLY or no write access: the same
//   device, pipe, socket: status 96          a device name (COM1, \\.\pipe\..., NUL) or a
//                                            handle that is no disk file: status 96
// Names are UTF-8 (core/SystemPath.h).
namespace rotulano::core {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kLargestWrite = 1U << 20;
constexpr int kNameTries = 100;

FileStatus lastStatus() {
    const DWORD error = ::GetLastError();
    return fileStatusFromSystemError(error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE);
}

std::wstring folderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

// A short name of its own beside `target` (".rotulano-" and six letters or digits), so
// that any name the file system takes can be saved.
std::wstring besideName(const std::wstring& target, unsigned& seed) {
    static const wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    std::wstring name = folderOf(target) + L"\\.rotulano-";
    for (int i = 0; i < 6; ++i) {
        seed = seed * 1103515245U + 12345U;
        name += kLetters[(seed >> 16) % 36];
    }
    return name;
}

unsigned nameSeed() {
    return static_cast<unsigned>(::GetTickCount64()) ^ (::GetCurrentProcessId() << 16) ^
           static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(&nameSeed));
}

// A new file beside `target`, opened for writing; `name` is its name.
WindowsHandle createBeside(const std::wstring& target, std::wstring& name) {
    unsigned seed = nameSeed();
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        name = besideName(target, seed);
        WindowsHandle file(::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.valid() || ::GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return WindowsHandle();
}

// Writes every byte at the handle's position.
FileStatus writeAll(const WindowsFileCalls& calls, HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto size =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kLargestWrite));
        DWORD written = 0;
        if (!calls.write(file, bytes.data() + done, size, &written)) {
            return lastStatus();
        }
        if (written == 0) {
            return kStatusBoundary;
        }
        done += written;
    }
    return kStatusOk;
}

bool seek(HANDLE file, LONGLONG offset) {
    LARGE_INTEGER to{};
    to.QuadPart = offset;
    return ::SetFilePointerEx(file, to, nullptr, FILE_BEGIN) != 0;
}

// Fills the new file, flushes it to disk and closes it.
FileStatus fill(const WindowsFileCalls& calls, WindowsHandle& file, const std::string& bytes) {
    FileStatus status = writeAll(calls, file.get(), bytes);
    if (status == kStatusOk && !::FlushFileBuffers(file.get())) {
        status = lastStatus();
    }
    if (!file.closeNow() && status == kStatusOk) {
        status = lastStatus();
    }
    return status;
}

bool exists(const std::wstring& name) {
    return ::GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The new file takes the old one's place. A replace that moved the old file to the backup
// name and then stopped gets it moved back, so the name keeps its old bytes.
FileStatus putInPlace(const WindowsFileCalls& calls, const std::wstring& target,
                      const std::wstring& name, bool existed, bool& inPlace) {
    if (!existed) {
        return ::MoveFileExW(name.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) ? kStatusOk
                                                                                   : lastStatus();
    }
    std::wstring backup;
    unsigned seed = nameSeed();
    do {
        backup = besideName(target, seed);
    } while (exists(backup));
    if (calls.replace(target.c_str(), name.c_str(), backup.c_str())) {
        ::DeleteFileW(backup.c_str());
        return kStatusOk;
    }
    const DWORD error = ::GetLastError();
    if (!exists(target) && exists(backup)) {
        ::MoveFileExW(backup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    }
    inPlace = error == ERROR_ACCESS_DENIED;
    return fileStatusFromSystemError(error);
}

// A new file beside the old one, put in its place once whole. `inPlace` is set when the
// old file must be rewritten in place instead (its folder takes no new file).
FileStatus replaceBeside(const WindowsFileCalls& calls, const std::wstring& target, bool existed,
                         const std::string& bytes, bool& inPlace) {
    std::wstring name;
    WindowsHandle file = createBeside(target, name);
    if (!file.valid()) {
        inPlace = existed && ::GetLastError() == ERROR_ACCESS_DENIED;
        return lastStatus();
    }
    FileStatus status = fill(calls, file, bytes);
    if (status == kStatusOk) {
        status = putInPlace(calls, target, name, existed, inPlace);
    }
    if (status != kStatusOk) {
        ::DeleteFileW(name.c_str());
    }
    return status;
}

// Claims the new length on disk before any old byte is written over; a file system that
// cannot claim space ahead is written all the same (a failed write puts the old bytes back).
FileStatus reserve(const WindowsFileCalls& calls, HANDLE file, LONGLONG length) {
    if (length == 0 || calls.reserve(file, length)) {
        return kStatusOk;
    }
    const DWORD error = ::GetLastError();
    if (error == ERROR_INVALID_PARAMETER || error == ERROR_NOT_SUPPORTED ||
        error == ERROR_INVALID_FUNCTION || error == ERROR_CALL_NOT_IMPLEMENTED) {
        return kStatusOk;
    }
    return fileStatusFromSystemError(error);
}

bool cutAt(HANDLE file, LONGLONG length) {
    return seek(file, length) && ::SetEndOfFile(file) != 0;
}

FileStatus readStart(HANDLE file, std::string& kept) {
    std::size_t done = 0;
    while (done < kept.size()) {
        DWORD got = 0;
        const auto size =
            static_cast<DWORD>(std::min<std::size_t>(kept.size() - done, kLargestWrite));
        if (!::ReadFile(file, kept.data() + done, size, &got, nullptr) || got == 0) {
            return lastStatus();
        }
        done += got;
    }
    return kStatusOk;
}

// The bytes written over the old ones in the file itself (the end of its links): the
// space is claimed first, then the bytes are written and flushed, and only then is the
// file cut to their length. A write that stops short puts the old bytes back.
FileStatus rewriteInPlace(const WindowsFileCalls& calls, const std::wstring& target,
                          const std::string& bytes) {
    // A link whose file is gone gets its file made, as on Linux: the open follows the link.
    WindowsHandle file(calls.openInPlace(target.c_str()));
    LARGE_INTEGER size{};
    if (!file.valid() || !::GetFileSizeEx(file.get(), &size)) {
        return lastStatus();
    }
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
        return kStatusNotRegularFile;
    }
    // A link the open did not follow is never written over: it would become a file.
    BY_HANDLE_FILE_INFORMATION opened{};
    if (!::GetFileInformationByHandle(file.get(), &opened)) {
        return lastStatus();
    }
    if ((opened.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return kStatusNotRegularFile;
    }
    const LONGLONG oldLength = size.QuadPart;
    const auto newLength = static_cast<LONGLONG>(bytes.size());
    std::string kept(static_cast<std::size_t>(std::min(oldLength, newLength)), '\0');
    FileStatus status = readStart(file.get(), kept);
    if (status == kStatusOk) {
        status = reserve(calls, file.get(), std::max(oldLength, newLength));
    }
    if (status != kStatusOk) {
        return status;
    }
    status = seek(file.get(), 0) ? writeAll(calls, file.get(), bytes) : lastStatus();
    if (status == kStatusOk && !::FlushFileBuffers(file.get())) {
        status = lastStatus();
    }
    if (status == kStatusOk && !cutAt(file.get(), newLength)) {
        status = lastStatus();
    }
    if (status != kStatusOk) {
        if (seek(file.get(), 0)) {
            writeAll(calls, file.get(), kept);
        }
        cutAt(file.get(), oldLength);
        ::FlushFileBuffers(file.get());
        return status;
    }
    return ::FlushFileBuffers(file.get()) ? kStatusOk : lastStatus();
}

bool informationOf(const std::wstring& target, DWORD flags, BY_HANDLE_FILE_INFORMATION& info) {
    WindowsHandle file(::CreateFileW(target.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr));
    return file.valid() && ::GetFileInformationByHandle(file.get(), &info);
}

// True when a new file in the name's place would cut it off from its users: the name is a
// link (a reparse point, or a name that opens another file when followed than when not)
// or one of several names of the file.
bool keptInPlace(const std::wstring& target) {
    BY_HANDLE_FILE_INFORMATION named{};
    BY_HANDLE_FILE_INFORMATION followed{};
    if (!informationOf(target, FILE_FLAG_OPEN_REPARSE_POINT, named)) {
        return false;
    }
    if (!informationOf(target, 0, followed)) {
        return true;  // a link whose file is gone: never replaced by a file
    }
    return (named.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ||
           named.nFileIndexLow != followed.nFileIndexLow ||
           named.nFileIndexHigh != followed.nFileIndexHigh ||
           named.dwVolumeSerialNumber != followed.dwVolumeSerialNumber || named.nNumberOfLinks > 1;
}

}  // namespace

FileStatus saveThrough(const WindowsFileCalls& calls, const std::string& path,
                       const std::string& bytes) {
    const std::wstring target = wideSystemPath(path);
    if (target.empty()) {
        return kStatusNotFound;
    }
    if (namesWindowsDevice(target)) {
        return kStatusNotRegularFile;
    }
    const DWORD attributes = calls.attributes(target.c_str());
    const bool existed = attributes != INVALID_FILE_ATTRIBUTES;
    if (!existed && ::GetLastError() != ERROR_FILE_NOT_FOUND) {
        return lastStatus();
    }
    if (existed && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return kStatusAttributesConflict;
    }
    if (existed && FileSaver::isWriteProtected(path)) {
        return kStatusNotPermitted;
    }
    // A new file would cut the other names (or the link) off from the saved bytes.
    if (existed && ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 || keptInPlace(target))) {
        return rewriteInPlace(calls, target, bytes);
    }
    bool inPlace = false;
    const FileStatus status = replaceBeside(calls, target, existed, bytes, inPlace);
    return inPlace ? rewriteInPlace(calls, target, bytes) : status;
}

FileStatus FileSaver::save(const std::string& path, const std::string& bytes) {
    return saveThrough(systemFileCalls(), path, bytes);
}

// Windows follows a name's links itself when the file is opened, and the save then
// rewrites the file at their end in place: the name is the one saved.
bool FileSaver::followLinks(const std::string& path, std::string& end) {
    end = path;
    return true;
}

// Windows names are compared without regard to case.
std::string FileSaver::landingName(const std::string& path) {
    const QFileInfo info(pathToQt(path));
    const QString folder = info.absoluteDir().canonicalPath();
    const QString landing =
        folder.isEmpty() ? info.absoluteFilePath() : folder + QLatin1Char('/') + info.fileName();
    return pathFromQt(landing.toLower());
}

bool FileSaver::isWriteProtected(const std::string& path) {
    const std::wstring name = wideSystemPath(path);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return false;
    }
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return true;
    }
    WindowsHandle file(::CreateFileW(name.c_str(), FILE_WRITE_DATA, kShareAll, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return !file.valid() && ::GetLastError() == ERROR_ACCESS_DENIED;
}

}  // namespace rotulano::core
