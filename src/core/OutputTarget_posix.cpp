#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "core/FileSaver.h"
#include "core/OutputTarget.h"

namespace rotulano::core {

namespace {

// Opens a device or a pipe for writing, never creating nor emptying anything. A pipe's
// open waits for its reader; a device's open does not wait for a line (a serial port
// without carrier), and its writes then wait as long as it needs.
int openStream(const std::string& path, bool pipe) {
    const int flags = O_WRONLY | O_NOCTTY | O_CLOEXEC | (pipe ? 0 : O_NONBLOCK);
    const int fd = ::open(path.c_str(), flags);
    if (fd >= 0 && !pipe) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    }
    return fd;
}

// Writes into an open device or pipe. A terminal's line gets `lineSetup` first, and its
// own settings back once the bytes have drained, so that the terminal is left as it was.
int writeInto(int fd, const std::string& bytes, const OutputTarget::LineSetup& lineSetup) {
    termios own{};
    const bool terminal = lineSetup && ::isatty(fd) == 1 && ::tcgetattr(fd, &own) == 0;
    int error = terminal ? lineSetup(fd) : 0;
    if (error == 0) {
        error = writeWhole(fd, bytes);
    }
    if (terminal) {
        while (::tcdrain(fd) != 0 && errno == EINTR) {
        }
        if (::tcsetattr(fd, TCSANOW, &own) != 0 && error == 0) {
            error = errno;
        }
    }
    return error;
}

}  // namespace

FileStatus OutputTarget::writeStream(const std::string& path, const std::string& bytes,
                                     const LineSetup& lineSetup) {
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0) {
        return fileStatusFromErrno(errno);
    }
    const int fd = openStream(path, S_ISFIFO(named.st_mode));
    if (fd < 0) {
        return fileStatusFromErrno(errno);
    }
    struct stat opened {};
    FileStatus status = kStatusOk;
    if (::fstat(fd, &opened) != 0) {
        status = fileStatusFromErrno(errno);
    } else if (!S_ISCHR(opened.st_mode) && !S_ISFIFO(opened.st_mode)) {
        status = kStatusNotRegularFile;  // swapped for another kind meanwhile: left alone
    } else {
        status = fileStatusFromErrno(writeInto(fd, bytes, lineSetup));
    }
    if (::close(fd) != 0 && status == kStatusOk && errno != EINTR) {
        status = fileStatusFromErrno(errno);
    }
    return status;
}

int writeWhole(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? errno : EIO;
        }
        done += static_cast<std::size_t>(written);
    }
    return 0;
}

OutputTarget::OutputTarget(std::string path) : path_(std::move(path)) {
    struct stat named {};
    const bool found = ::stat(path_.c_str(), &named) == 0;
    exists_ = found;
    if (namesStandardOutput(path_)) {
        kind_ = Kind::Standard;
    } else if (!found && errno == ELOOP) {
        refuse("um laço de links", fileStatusFromErrno(ELOOP));
    } else if (!found || S_ISREG(named.st_mode)) {
        kind_ = Kind::File;
    } else if (S_ISCHR(named.st_mode) || S_ISFIFO(named.st_mode)) {
        kind_ = Kind::Stream;
    } else if (S_ISDIR(named.st_mode)) {
        refuse("uma pasta", kStatusAttributesConflict);
    } else {
        refuse(S_ISBLK(named.st_mode) ? "um dispositivo de blocos" : "um socket",
               kStatusNotRegularFile);
    }
}

// A file that exists is its device and inode (a hard link is the same file); a name
// that does not exist yet is where its save would create it.
std::string OutputTarget::identity(const std::string& path) {
    struct stat file {};
    if (::stat(path.c_str(), &file) == 0) {
        return "#" + std::to_string(file.st_dev) + ":" + std::to_string(file.st_ino);
    }
    const std::string landing = FileSaver::landingName(path);
    return landing.empty() ? landing : "@" + landing;
}

FileStatus OutputTarget::makeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (!folder.empty() && ::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
            return fileStatusFromErrno(errno);
        }
        if (slash == std::string::npos) {
            break;
        }
    }
    struct stat made {};
    if (::stat(path.c_str(), &made) != 0) {
        return fileStatusFromErrno(errno);
    }
    return S_ISDIR(made.st_mode) ? kStatusOk : kStatusAttributesConflict;
}

}  // namespace rotulano::core
