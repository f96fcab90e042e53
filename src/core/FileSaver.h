#pragma once

#include <string>

#include "core/FileStatus.h"

namespace rotulano::core {

// The one way the program replaces a whole file (the parameter file, rotulano-render's
// output and pictures). Names are the file system's own bytes, whatever their encoding;
// a name that is a link to a file saves the file it points to.
//
// The bytes go to a new file beside the old one, which takes the old file's mode, owner
// and group, and only once every byte is on disk does it take the old one's place: a save
// cut short (full disk, file size limit) leaves the old file as it was. When that cannot
// keep the file what it was for its users, the file is rewritten in place instead: when
// it has more than one name (hard links), when its owner or group cannot be given to a
// new file (the file of another user, writable by all), or when its folder takes no new
// file (an operator's file in a folder only the administrator may write to). In place, the bytes
// are written at the start in one go and the file is cut to their length and flushed to disk; a
// write cut short puts the old bytes back.
//
// Statuses: "00" saved; "35" the folder does not exist; "37" not allowed (a file this
// user may not write to is never replaced, whatever its folder allows); "39" the name
// is a directory; "96" a device, pipe or socket (never replaced); "34" the disk is full
// or the file too large; "30" any other failure. On failure the old file is unchanged.
class FileSaver {
  public:
    // Makes the file at `path` hold exactly `bytes`, creating it when it is missing.
    static FileStatus save(const std::string& path, const std::string& bytes);

    // True when the file exists and nobody may write to it: no write permission bit is
    // set, or this user may not write to it. Such a file is kept as its owner marked it,
    // even by the administrator, who could otherwise replace it.
    static bool isWriteProtected(const std::string& path);
};

}  // namespace rotulano::core
