#pragma once

#include <string>

#include "core/FileStatus.h"

// The system's side of the working folder (WorkingFolder_posix.cpp, WorkingFolder_win.cpp).
namespace rotulano::core::workingFolder {

enum class Kind { Missing, Folder, Other };

// `parent` and `name` with the system's separator between them.
std::string join(const std::string& parent, const std::string& name);

// What is at `path` (links followed).
Kind kindOf(const std::string& path);

// Makes the folder `path` (its parent exists).
FileStatus make(const std::string& path);

// Whether a file can be made in the folder: one is made and deleted at once.
FileStatus probeWrite(const std::string& folder);

// Makes `folder` the current folder.
FileStatus enter(const std::string& folder);

// Shows the operator why the program cannot start.
void show(const std::string& message);

}  // namespace rotulano::core::workingFolder
