#pragma once

#include <QTemporaryDir>
#include <memory>
#include <string>

namespace rotulano::printing {

// A temporary directory of one job's own, inside the shared one. Print files are named
// from the time of day to the hundredth of a second, so two jobs that name theirs in the
// same directory at the same hundredth (two programs started together, or a frozen clock)
// would write, read back and delete each other's print file; in a directory of its own a
// job only ever touches its own. The directory is made at the first use and removed, with
// everything in it, when the object goes.
class PrivateTempDir {
  public:
    // `prefix` starts the directory's name ("rotulano-render" gives "rotulano-render-XXXXXX").
    explicit PrivateTempDir(std::string prefix) : prefix_(std::move(prefix)) {}

    // The directory, with its trailing separator, made inside `sharedDir` (a temporary
    // directory with its separator, as core::Platform::tempDir gives it) at the first
    // call; later calls return the same one. Empty when it cannot be made.
    std::string path(const std::string& sharedDir);

  private:
    std::string prefix_;
    std::unique_ptr<QTemporaryDir> dir_;
};

}  // namespace rotulano::printing
