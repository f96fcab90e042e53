#include "core/FileStamp.h"

#include <cerrno>

#include <sys/stat.h>

namespace rotulano::core {

FileStamp fileStampFromStat(const struct stat& status) {
    constexpr std::int64_t kNsPerSecond = 1000000000;
    FileStamp stamp;
    stamp.device = static_cast<std::uint64_t>(status.st_dev);
    stamp.inode = static_cast<std::uint64_t>(status.st_ino);
    stamp.size = static_cast<std::int64_t>(status.st_size);
    stamp.modifiedNs =
        static_cast<std::int64_t>(status.st_mtim.tv_sec) * kNsPerSecond + status.st_mtim.tv_nsec;
    stamp.changedNs =
        static_cast<std::int64_t>(status.st_ctim.tv_sec) * kNsPerSecond + status.st_ctim.tv_nsec;
    return stamp;
}

FileStatus fileStampOf(const std::string& path, FileStamp& stamp) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return fileStatusFromErrno(errno);
    }
    stamp = fileStampFromStat(status);
    return kStatusOk;
}

}  // namespace rotulano::core
