#pragma once

#include <string>

// What a Windows shortcut (.lnk, the Shell Link binary format) starts: read from its
// link information and its strings, to check the Start-menu shortcut of the installer.
namespace rotulano::test {

struct Shortcut {
    std::string target;      // the program's full path, in the file's single bytes
    std::string arguments;   // UTF-8
    std::string workingDir;  // UTF-8
    std::string error;       // why the file could not be read; empty when it could

    bool ok() const { return error.empty(); }
};

Shortcut readShortcut(const std::string& bytes);

}  // namespace rotulano::test
