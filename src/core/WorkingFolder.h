#pragma once

#include <string>

namespace rotulano::core {

// The argument the desktop menu's shortcut gives the window program: it then works in a
// folder of its own for each user (made the first time) instead of the folder it was
// started in, which for a shortcut is no folder of the operator's. Started any other way
// (a console, a script) it works in the current folder.
inline constexpr const char* kStartMenuFlag = "--menu-iniciar";

// The name of the program's own folder inside the user's folder.
inline constexpr const char* kWorkingFolderName = "Rotulano";

// The user's folder that holds the program's own: Documents on Windows (wherever the user
// has moved it), the home folder on Linux. Empty when the system does not say.
std::string userFolder();

// Makes `<parent>/Rotulano` when it is missing and makes it the current folder. Empty
// on success; otherwise the message for the operator, naming the folder and the cause
// (a file of that name, a folder that cannot be made or written into).
std::string enterOwnFolder(const std::string& parent);

// With kStartMenuFlag among the arguments, enters the program's own folder in
// userFolder(). Empty on success or without the flag; otherwise the message for the
// operator, naming the folder and the cause.
std::string startMenuFolderFailure(int argc, char** argv);

// First thing in main: startMenuFolderFailure(), whose failure is shown to the operator
// (a message box on Windows, a line on the error output on Linux) and the result is
// false: the program ends.
bool enterWorkingFolder(int argc, char** argv);

}  // namespace rotulano::core
