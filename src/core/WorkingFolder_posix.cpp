#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <iostream>

#include "core/WorkingFolder.h"
#include "core/WorkingFolderSystem.h"

// As the desktop launcher does it: ~/Rotulano, made the first time.
namespace rotulano::core {

std::string userFolder() {
    const char* home = std::getenv("HOME");
    return home != nullptr ? std::string(home) : std::string();
}

namespace workingFolder {

std::string join(const std::string& parent, const std::string& name) {
    return !parent.empty() && parent.back() == '/' ? parent + name : parent + "/" + name;
}

Kind kindOf(const std::string& path) {
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0) {
        return errno == ENOENT ? Kind::Missing : Kind::Other;
    }
    return S_ISDIR(named.st_mode) ? Kind::Folder : Kind::Other;
}

FileStatus make(const std::string& path) {
    return fileStatusFromErrno(::mkdir(path.c_str(), 0777) == 0 ? 0 : errno);
}

FileStatus probeWrite(const std::string& folder) {
    std::string name = folder + "/.rotulano-XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        return fileStatusFromErrno(errno);
    }
    ::close(fd);
    ::unlink(name.c_str());
    return kStatusOk;
}

FileStatus enter(const std::string& folder) {
    return fileStatusFromErrno(::chdir(folder.c_str()) == 0 ? 0 : errno);
}

void show(const std::string& message) {
    std::cerr << "rotulano: " << message << '\n';
}

}  // namespace workingFolder

}  // namespace rotulano::core
