#pragma once

#include <string>

// The hostile files of tests/hostile and the big ones the tests make themselves.
namespace rotulano::test {

// Path of a file under tests/hostile.
std::string hostilePath(const std::string& name);

// `line` padded with `fill` to `length` bytes (cut when longer).
std::string stretched(const std::string& line, std::size_t length, char fill);

// A file of `size` bytes whose content is a repeated pattern, written at `path`.
void writePatternFile(const std::string& path, std::size_t size);

}  // namespace rotulano::test
