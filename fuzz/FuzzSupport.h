#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// What every fuzz target shares: the fuzzer's bytes as a record string, a scratch file for
// the code that reads from a path, and a check that stops the run with a message when a
// property of the code under test does not hold (assert() is gone in optimised builds).
namespace rotulano::fuzz {

std::string bytesOf(const std::uint8_t* data, std::size_t size);

// Cuts `size` bytes from the front of `rest` (fewer when it holds fewer).
std::string take(std::string& rest, std::size_t size);

// A file of this process's own in the temporary directory, made on first use and removed
// at exit. The code under test reads from it by name.
const std::string& scratchFile();

// Replaces the scratch file's content with `bytes`.
void writeScratch(const std::string& bytes);

// Stops the run, printing `what` and the bytes concerned, when `holds` is false.
void require(bool holds, const char* what, const std::string& bytes = std::string());

}  // namespace rotulano::fuzz
