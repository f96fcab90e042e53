#pragma once

#include <functional>
#include <string>

#include "core/FileStatus.h"

namespace rotulano::core {

// A name that output is written to (rotulano-render's -o file and pictures), taken by the
// kind of file it stands for (following links), so that nothing but a file is replaced:
//   Standard   "-", "/dev/stdout", "/dev/fd/1": the standard output as the shell opened it
//   Stream     a character device, a terminal or a named pipe: opened without creating or
//              emptying anything and written into; a pipe waits for its reader
//   File       a regular file, or no file yet: saved by FileSaver, replaced only once
//              every byte is written (the file at the end of a chain of links)
//   Refused    a directory, a block device, a socket or a loop of links: never written
// Names are the file system's own bytes, whatever their encoding.
class OutputTarget {
  public:
    enum class Kind { Standard, Stream, File, Refused };

    // Puts an open terminal's line in the mode its bytes need; 0 or the errno of the
    // failure.
    using LineSetup = std::function<int(int fd)>;

    explicit OutputTarget(std::string path);

    Kind kind() const { return kind_; }
    const std::string& path() const { return path_; }

    // A File that exists and may not be written: it is never replaced (FileSaver).
    bool writeProtected() const;

    // For a refused name, what it is ("uma pasta", "um dispositivo de blocos", "um socket",
    // "um laço de links").
    const std::string& refusal() const { return refusal_; }

    // Writes `bytes` to a Stream or a File; a Standard target writes nothing, a Refused one
    // fails with the status of its kind. A terminal gets `lineSetup` before the bytes, and
    // its own settings back once they have drained, as it was before the run.
    FileStatus write(const std::string& bytes, const LineSetup& lineSetup = {}) const;

    // True when both names stand for the same file (links followed), or would once
    // written: the same file at the end of their links, though it does not exist yet.
    static bool sameFile(const std::string& first, const std::string& second);

    // What sameFile compares: equal for two names exactly when they stand for the same
    // file, so that many names are compared through a map. Empty for a loop of links.
    static std::string identity(const std::string& path);

    // Makes the folder `path` and every missing folder above it.
    static FileStatus makeFolders(const std::string& path);

  private:
    static bool namesStandardOutput(const std::string& path);
    // Writes into the device or pipe `path`, never creating nor emptying anything; the
    // system's own part.
    static FileStatus writeStream(const std::string& path, const std::string& bytes,
                                  const LineSetup& lineSetup);
    void refuse(const char* what, const FileStatus& status);

    std::string path_;
    Kind kind_ = Kind::File;
    bool exists_ = false;
    std::string refusal_;
    FileStatus refusedStatus_ = kStatusOk;
};

#ifndef _WIN32
// Writes every byte of `bytes` to the open descriptor `fd`, going on after interrupted
// calls and waiting as long as the reader or the device needs: 0 when all were written,
// else the error number of the failure (EIO for a write that took nothing).
int writeWhole(int fd, const std::string& bytes);
#endif

}  // namespace rotulano::core
