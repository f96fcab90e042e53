#include "core/FileStatus.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#endif

namespace rotulano::core {

FileStatus fileStatusFromErrno(int error) {
    switch (error) {
        case 0:
            return kStatusOk;
        case ENOENT:
        case ENOTDIR:
        case ENXIO:
        case ENODEV:
            return kStatusNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return kStatusNotPermitted;
        case EISDIR:
            return kStatusAttributesConflict;
        case EBUSY:
        case ETXTBSY:
        case EAGAIN:
            return kStatusLocked;
        case ENOSPC:
        case EFBIG:
            return kStatusBoundary;
        default:
            return kStatusIoError;
    }
}

#ifdef _WIN32

FileStatus fileStatusFromSystemError(unsigned long error) {
    switch (error) {
        case ERROR_SUCCESS:
            return kStatusOk;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_NETPATH:
        case ERROR_INVALID_DRIVE:
            return kStatusNotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
        case ERROR_PRIVILEGE_NOT_HELD:
            return kStatusNotPermitted;
        case ERROR_DIRECTORY:
            return kStatusAttributesConflict;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_BUSY:
            return kStatusLocked;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
        case ERROR_FILE_TOO_LARGE:
            return kStatusBoundary;
        default:
            return kStatusIoError;
    }
}

#endif

}  // namespace rotulano::core
