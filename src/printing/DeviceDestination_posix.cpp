#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "printing/DeviceDestination.h"

namespace rotulano::printing {

namespace {

const std::string kNotACharacterDevice = "não é um dispositivo de caracteres";

}  // namespace

int DeviceDestination::openHeld(bool forReading, core::Delivery& failure) const {
    const int flags = forReading ? O_RDWR : O_WRONLY;
    struct stat info {};
    if (::stat(destination_.target.c_str(), &info) != 0) {
        failure = deviceFailure(errno);
        return -1;
    }
    if (!S_ISCHR(info.st_mode)) {
        failure = core::Delivery::failed(core::kStatusAttributesConflict, kNotACharacterDevice);
        return -1;
    }
    const int fd = ::open(destination_.target.c_str(), flags | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        failure = deviceFailure(errno);
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode)) {
        failure = core::Delivery::failed(core::kStatusAttributesConflict, kNotACharacterDevice);
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        failure = deviceFailure(errno == EWOULDBLOCK ? EBUSY : errno);
    } else {
        return fd;
    }
    ::close(fd);
    return -1;
}

void DeviceDestination::closeHeld(int fd) {
    ::close(fd);
}

void DeviceDestination::dropLineInput(int fd) {
    ::tcflush(fd, TCIFLUSH);
}

}  // namespace rotulano::printing
