#pragma once

#include <cstdint>
#include <string>

#include "core/FileStatus.h"

#ifndef _WIN32
struct stat;
#endif

namespace rotulano::core {

// What tells one state of a file from another without reading it: the file it is (device
// and inode), its size, and the times of its last change of content and of status. A file
// read while another program rewrites, cuts or replaces it gives a different stamp after
// the read than before it. On Windows the device is the volume's serial number and the
// inode the file's index on it.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;

    bool operator==(const FileStamp& other) const {
        return device == other.device && inode == other.inode && size == other.size &&
               modifiedNs == other.modifiedNs && changedNs == other.changedNs;
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

// The stamp of the file that `path` names now (links followed).
FileStatus fileStampOf(const std::string& path, FileStamp& stamp);

#ifdef _WIN32
// The stamp of the file open as `handle` (a Windows HANDLE).
FileStatus fileStampOfHandle(void* handle, FileStamp& stamp);
#else
// The stamp that stat() or fstat() gave.
FileStamp fileStampFromStat(const struct stat& status);
#endif

}  // namespace rotulano::core
