#pragma once

#include <string>

#include "core/FileStatus.h"

namespace rotulano::core {

// The one way the program replaces a whole file (the parameter file, rotulano-render's
// output and pictures). Names are the file system's own bytes, whatever their encoding.
// A name that is a link saves the file at the end of its chain of links, followed as the
// system follows them, and creates it there when it does not exist yet: no link of the
// chain is ever replaced by a file. A loop of links is never saved.
//
// The bytes go to a new file beside the old one (a short hidden name of its own, so any
// name the file system takes can be saved), which takes the old file's mode, owner and
// group, and only once every byte is on disk does it take the old one's place: a save
// cut short (full disk, file size limit) leaves the old file as it was and nothing beside
// it. When that cannot keep the file what it was for its users, the file is rewritten in
// place instead: when it has more than one name (hard links), when its owner or group
// cannot be given to a new file (the file of another user, writable by all), or when its
// folder takes no new file (an operator's file in a folder only the administrator may
// write to). In place, the space of the new bytes is claimed first (a full disk or a
// file size limit stops the save there, before any old byte is touched); then the bytes
// are written at the start and flushed, and only then is the file cut to their length. A
// write cut short puts the old bytes back, kept in memory. Once cut, the file holds the
// new bytes whole; only a failure to flush the cut itself is reported after that.
//
// Statuses: "00" saved; "35" the folder does not exist; "37" not allowed (a file this
// user may not write to, or that has no write permission at all, is never replaced,
// whatever its folder allows and even by the administrator); "39" the name is a
// directory; "96" a device, pipe or socket (never replaced); "34" the disk is full or
// the file too large; that of the system's error otherwise (a loop of links among them).
// On failure the old file is unchanged.
class FileSaver {
  public:
    // Makes the file at `path` hold exactly `bytes`, creating it when it is missing.
    static FileStatus save(const std::string& path, const std::string& bytes);

    // The name that a save of `path` writes: `path` itself, or the end of its chain of
    // links, whether it exists or not. False for a loop of links (or a chain longer than
    // the system follows).
    static bool followLinks(const std::string& path, std::string& end);

    // The end of the links of `path` with its folder spelt canonically (links, "." and
    // ".." resolved): two names with the same landing name are saved into the same file,
    // even before it exists. Empty for a loop of links.
    static std::string landingName(const std::string& path);

    // True when the file exists and nobody may write to it: no write permission bit is
    // set, or this user may not write to it. Such a file is kept as its owner marked it,
    // even by the administrator, who could otherwise replace it.
    static bool isWriteProtected(const std::string& path);
};

}  // namespace rotulano::core
