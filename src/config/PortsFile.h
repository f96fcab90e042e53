#pragma once

#include <cstddef>
#include <string>

#include "config/PortsTable.h"
#include "core/FileStatus.h"

namespace rotulano::config {

// The ports file, rotulano-portas.ini, beside the parameter file: where each port name's
// bytes go (see PortsTable). The 146-byte settings record is not touched by it.
class PortsFile {
  public:
    static constexpr const char* kFileName = "rotulano-portas.ini";
    // Larger than any real ports file; anything bigger is not one.
    static constexpr std::size_t kLargestFile = 64 * 1024;

    explicit PortsFile(std::string path);

    // The ports file in the folder of the parameter file `settingsPath`.
    static std::string besideSettings(const std::string& settingsPath);

    // Reads the file into `table`. An absent file is an empty table unless `mustExist`
    // (a file the operator named); an empty one always is. A name that is there but
    // cannot be read (a broken link, a loop of links, no permission, not a regular file)
    // is never taken for an absent file. False, with a message naming the file (and the
    // line, for a fault inside it), when it cannot be used; `table` is then left as it was.
    bool load(PortsTable& table, std::string& message, bool mustExist) const;

    // Puts the entries of `table` in the file, editing it (editPortsText): what the file
    // holds besides them stays. The edited text is read back by the reader of load()
    // before anything is written, so that a file that could not be loaded is never
    // written either; the file is never half-written.
    bool save(const PortsTable& table, std::string& message) const;

    const std::string& path() const { return path_; }

  private:
    // The file's bytes; a status other than "00" with an empty message is an absent file
    // that may be absent.
    core::FileStatus readText(std::string& bytes, std::string& message, bool mustExist) const;

    std::string path_;
};

}  // namespace rotulano::config
