#include "core/FileStamp.h"

#include <cerrno>

#ifdef _WIN32
#include <QFile>
#include <QFileInfo>
#else
#include <sys/stat.h>
#endif

namespace rotulano::core {

#ifdef _WIN32

FileStatus fileStampOf(const std::string& path, FileStamp& stamp) {
    const QFileInfo info(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!info.exists()) {
        return kStatusNotFound;
    }
    stamp = FileStamp();
    stamp.size = info.size();
    stamp.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
    stamp.changedNs = info.metadataChangeTime().toMSecsSinceEpoch() * 1000000;
    return kStatusOk;
}

#else

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

#endif

}  // namespace rotulano::core
