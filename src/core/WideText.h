#pragma once

#include <string>

namespace rotulano::core {

// Windows hands a program its arguments as UTF-16; the program holds text and paths as
// UTF-8 byte strings, as on Linux. A Windows file name may hold a lone surrogate, which
// UTF-8 proper cannot; such a unit is written in the three bytes that UTF-8's scheme
// gives its number (ED A0 80 to ED BF BF), so that every name comes back whole and the
// file it names can still be opened. Pure functions: no operating-system call.

// The UTF-8 bytes of `wide`, a lone surrogate as its three bytes.
std::string narrowText(const std::u16string& wide);

// The UTF-16 units of `narrow`: narrowText undone. A byte that starts no sound sequence
// (a Latin-1 byte, a cut sequence, an overlong form) becomes U+FFFD, one per byte.
std::u16string wideText(const std::string& narrow);

}  // namespace rotulano::core
