#pragma once

#include "printing/PrivateTempDir.h"
#include "printing/SystemPlatform.h"

namespace rotulano::render {

// The operating system for the renderer, with a temporary directory of its own. Print
// files are named from the time of day to the hundredth of a second, so two renderers
// started together in the shared temporary directory could write, read back and delete
// each other's print file; in a directory of its own each run only ever reads its own.
// The directory is made at the first use and removed with everything in it at the end.
class PrivateTempPlatform : public printing::SystemPlatform {
  public:
    std::string tempDir() override;

  private:
    printing::PrivateTempDir dir_{"rotulano-render"};
};

}  // namespace rotulano::render
