#pragma once

#include <string>

#include "core/FileStatus.h"

namespace rotulano::core {

// A name that output is written to (rotulano-render's -o file and pictures), taken by the
// kind of file it stands for (following links), so that nothing but a file is replaced:
//   Standard   "-", "/dev/stdout", "/dev/fd/1": the standard output as the shell opened it
//   Stream     a character device, a terminal or a named pipe: opened without creating or
//              emptying anything and written into; a pipe waits for its reader
//   File       a regular file, or no file yet: saved by FileSaver, replaced only once
//              every byte is written
//   Refused    a directory, a block device or a socket: never written
// Names are the file system's own bytes, whatever their encoding.
class OutputTarget {
  public:
    enum class Kind { Standard, Stream, File, Refused };

    explicit OutputTarget(std::string path);

    Kind kind() const { return kind_; }
    const std::string& path() const { return path_; }

    // For a refused name, what it is ("uma pasta", "um dispositivo de blocos", "um socket").
    const std::string& refusal() const { return refusal_; }

    // Writes `bytes` to a Stream or a File (a Standard or Refused target writes nothing).
    FileStatus write(const std::string& bytes) const;

    // True when both names exist and stand for the same file (links followed).
    static bool sameFile(const std::string& first, const std::string& second);

    // Makes the folder `path` and every missing folder above it.
    static FileStatus makeFolders(const std::string& path);

  private:
    std::string path_;
    Kind kind_ = Kind::File;
    std::string refusal_;
};

}  // namespace rotulano::core
