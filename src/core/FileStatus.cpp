#include "core/FileStatus.h"

#include <cerrno>

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

}  // namespace rotulano::core
