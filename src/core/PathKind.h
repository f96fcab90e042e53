#pragma once

#include <string>

namespace rotulano::core {

// What a name in the file system stands for, its links followed to their end as the
// system follows them when the name is opened. Files read by the program (the ports file)
// and the destinations named in them are judged by it before they are used, so that a
// broken link is never taken for a missing file and a folder never for a printer.
enum class PathKind {
    Missing,      // no such name
    BrokenLink,   // a link (or a chain of them) whose end does not exist
    LinkLoop,     // links that lead back to themselves
    Unreachable,  // a folder on the way may not be searched
    RegularFile,
    Folder,
    Fifo,
    BlockDevice,
    CharacterDevice,  // a printer port, a terminal
    Socket,
};

PathKind pathKindOf(const std::string& path);

// The kind in a message: "um arquivo comum", "uma pasta", "um pipe", "um laço de links".
const char* pathKindText(PathKind kind);

}  // namespace rotulano::core
