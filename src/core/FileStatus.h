#pragma once

#include <string>

// The two-character status of the last file operation ("00" success, "35" not found,
// "37" not permitted, "30" I/O error, ...), shared by every routine that opens, reads,
// writes or closes a file.
namespace rotulano::core {

using FileStatus = std::string;

inline const FileStatus kStatusOk = "00";
inline const FileStatus kStatusEndOfFile = "10";
inline const FileStatus kStatusRecordNotFound = "23";
inline const FileStatus kStatusIoError = "30";
inline const FileStatus kStatusBoundary = "34";
inline const FileStatus kStatusNotFound = "35";
inline const FileStatus kStatusNotPermitted = "37";
inline const FileStatus kStatusAttributesConflict = "39";
// The name given from the file dialog is not the file's own: Qt could not decode it.
inline const FileStatus kStatusNameMismatch = "91";
// The name is that of a device, a named pipe or a socket, never read nor replaced.
inline const FileStatus kStatusNotRegularFile = "96";
inline const FileStatus kStatusLocked = "93";

// Maps an operating-system error number (errno) to a file status.
FileStatus fileStatusFromErrno(int error);

#ifdef _WIN32
// Maps a Windows error code (GetLastError) to a file status, as its errno would map.
FileStatus fileStatusFromSystemError(unsigned long error);
#endif

}  // namespace rotulano::core
