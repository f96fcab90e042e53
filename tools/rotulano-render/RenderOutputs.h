#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/FileStatus.h"
#include "rotulano-render/RenderOptions.h"

namespace rotulano::render {

// Where rotulano-render writes, and what it must never write over: the order file, the
// parameter file and the logo files it reads, a file nobody may write to, and one output
// over another (-o and the pictures, the pictures among themselves, links followed). Each
// is refused before anything is written.
class RenderOutputs {
  public:
    explicit RenderOutputs(const RenderOptions& options);

    // False, with the reason in `error` (UTF-8), when -o names a directory, a block
    // device, a socket, a loop of links, a write-protected file or one of the files the
    // run reads.
    bool checkOutputFile(std::string& error) const;

    // False, with the reason in `error`, when the picture `path` is one of the files the
    // run reads, exists as something else than a regular file (a link to one is one), or
    // is write-protected.
    bool checkPicture(const std::string& path, std::string& error) const;

    // checkPicture for each of `pictures`, every picture the run is to write, and the
    // first of them that would land on the output file, on the pictures' folder or on
    // another of them.
    bool checkPictures(const std::vector<std::string>& pictures, std::string& error) const;

    // Writes the job's bytes to -o, or to `out` when -o is not given or names the
    // standard output. A terminal gets the print job's own line set-up for the bytes.
    // False, with the reason in `error`, when not every byte went out.
    bool writeJob(const std::string& bytes, std::ostream& out, std::string& error);

    // What has been written so far, for a message about a later failure: empty, or
    // "o arquivo de saída X" when -o named a file, device or pipe.
    std::string writtenSoFar() const;

  private:
    bool isProtected(const std::string& path, std::string& which) const;
    bool landsOnAnotherOutput(const std::vector<std::string>& pictures, std::string& error) const;

    const RenderOptions& options_;
    bool jobWritten_ = false;
};

// "Status [NN] " and the meaning of a file status, for the tool's messages.
std::string statusWords(const core::FileStatus& status);

}  // namespace rotulano::render
