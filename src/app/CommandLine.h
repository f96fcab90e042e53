#pragma once

#include <string>

namespace rotulano::app {

// What the window program's command line asks for before anything else: a text to print
// (and then the program ends, without opening a display), or the window.
enum class EarlyRequest { Window, Help, Version };

// --help or -h, and --version, as the first argument; anything else starts the window
// (other arguments are left alone: the menu's flag is read by the working folder).
EarlyRequest earlyRequest(int argc, char** argv);

// The text that --help prints (UTF-8).
std::string helpText();

// The line that --version prints: the program's name and version.
std::string versionText();

}  // namespace rotulano::app
