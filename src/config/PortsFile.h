#pragma once

#include <cstddef>
#include <string>

#include "config/PortsTable.h"

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
    // (a file the operator named); an empty one always is. False, with a message naming
    // the file (and the line, for a fault inside it), when it cannot be used; `table` is
    // then left as it was.
    bool load(PortsTable& table, std::string& message, bool mustExist) const;

    // Writes `table` whole in the file's place: never half-written.
    bool save(const PortsTable& table, std::string& message) const;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace rotulano::config
