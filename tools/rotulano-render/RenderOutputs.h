#pragma once

#include <ostream>
#include <string>

#include "core/FileStatus.h"
#include "rotulano-render/RenderOptions.h"

namespace rotulano::render {

// Where rotulano-render writes, and what it must never write over: the order file, the
// parameter file and the logo files it reads are refused as the output file or as a
// picture, before anything is written.
class RenderOutputs {
  public:
    explicit RenderOutputs(const RenderOptions& options);

    // False, with the reason in `error` (UTF-8), when -o names a directory, a block
    // device or a socket, or one of the files the run reads.
    bool checkOutputFile(std::string& error) const;

    // False, with the reason in `error`, when the picture `path` is one of the files the
    // run reads.
    bool checkPicture(const std::string& path, std::string& error) const;

    // Writes the job's bytes to -o, or to `out` when -o is not given or names the
    // standard output. False, with the reason in `error`, when not every byte went out.
    bool writeJob(const std::string& bytes, std::ostream& out, std::string& error);

    // What has been written so far, for a message about a later failure: empty, or
    // "o arquivo de saída X" when -o named a file, device or pipe.
    std::string writtenSoFar() const;

  private:
    bool isProtected(const std::string& path, std::string& which) const;

    const RenderOptions& options_;
    bool jobWritten_ = false;
};

// "Status [NN] " and the meaning of a file status, for the tool's messages.
std::string statusWords(const core::FileStatus& status);

}  // namespace rotulano::render
