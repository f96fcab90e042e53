#pragma once

namespace rotulano::core {

// Makes a write past the operator's file size limit (ulimit -f) fail like a full disk
// instead of ending the program: the system's default for that signal kills the process
// in the middle of a save, losing the loaded order and leaving files half rewritten. The
// writer then sees the write refused (EFBIG) and keeps the old bytes. Called once, first
// thing in main. Windows has no such limit: there it does nothing.
void ignoreFileSizeSignal();

}  // namespace rotulano::core
