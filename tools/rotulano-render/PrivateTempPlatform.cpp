#include "rotulano-render/PrivateTempPlatform.h"

namespace rotulano::render {

std::string PrivateTempPlatform::tempDir() {
    const std::string shared = SystemPlatform::tempDir();
    const std::string own = dir_.path(shared);
    // No room for a directory of its own: the shared one still serves a lone run.
    return own.empty() ? shared : own;
}

}  // namespace rotulano::render
