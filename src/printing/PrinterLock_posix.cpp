#include "printing/PrinterLock.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>

// The printers' locks as abstract local socket names: the kernel frees a name when its
// last socket closes, which a process that dies does too. The socket is never listened
// on; it only holds the name. It is not passed on to programs the job starts.
namespace rotulano::printing {

PrinterLock::Taken PrinterLock::takeName(const std::string& name, std::intptr_t& handle) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() + 1 > sizeof address.sun_path) {
        return Taken::Unavailable;
    }
    // The leading NUL puts the name in the abstract namespace, not in the file system.
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return Taken::Unavailable;
    }
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EADDRINUSE ? Taken::Busy : Taken::Unavailable;
    }
    handle = fd;
    return Taken::Held;
}

void PrinterLock::releaseName(std::intptr_t handle) {
    ::close(static_cast<int>(handle));
}

std::string PrinterLock::resolvedPath(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return path;
    }
    return resolved;
}

}  // namespace rotulano::printing
