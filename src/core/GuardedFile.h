#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "core/FileStamp.h"
#include "core/FileStatus.h"

namespace rotulano::core {

// The one way the program opens a file to read it (order, settings, logo). Names are
// the file system's own bytes, whatever their encoding. Only a regular file is read: the
// name is looked at before anything is opened, so that a device (/dev/zero, a terminal)
// is never opened; the open itself never waits (a named pipe swapped in meanwhile is
// caught by a second look at what was opened). Anything else gets a status and no byte:
//   "35" no such file, "37" not allowed, "39" a directory,
//   "96" a device, a named pipe or a socket (kStatusNotRegularFile).
class GuardedFile {
  public:
    GuardedFile();
    ~GuardedFile();
    GuardedFile(const GuardedFile&) = delete;
    GuardedFile& operator=(const GuardedFile&) = delete;

    // Opens `path` for reading; the status says why not.
    FileStatus open(const std::string& path);

    // Reads up to `size` bytes into `buffer`; `count` is 0 at the end of the file.
    FileStatus read(char* buffer, std::size_t size, std::size_t& count);

    void close();

    // The stamp of the file opened (not of whatever its name may name by now).
    FileStatus stamp(FileStamp& stamp) const;

    // The whole file at `path` into `bytes`. A file larger than `limit` bytes is not read
    // ("34"), so that no file can fill the memory.
    static FileStatus readWhole(const std::string& path, std::size_t limit, std::string& bytes);

    // The first `count` bytes of the file at `path` (fewer when it is shorter).
    static FileStatus readStart(const std::string& path, std::size_t count, std::string& bytes);

  private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

}  // namespace rotulano::core
