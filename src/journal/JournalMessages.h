#pragma once

#include <string>

namespace rotulano::journal::journalMessages {

// What the operator reads when the journal cannot keep its entries (UTF-8). Each says that
// printing goes on with the marks in memory only, but a journal moved aside, which names
// both files.
std::string notOpened(const std::string& path, const std::string& cause);
std::string notWritten(const std::string& path, const std::string& cause);
std::string notRegular(const std::string& path, const std::string& kind);
std::string newerVersion(const std::string& path);
std::string corruptInUse(const std::string& path);
std::string corruptMovedAside(const std::string& path, const std::string& aside);

// The journal asked for (the history, a resumed job) cannot be read.
std::string notFound(const std::string& path);
std::string notRead(const std::string& path, const std::string& cause);

// SQLite's result code in the operator's words ("disco cheio").
std::string cause(int code);

}  // namespace rotulano::journal::journalMessages
