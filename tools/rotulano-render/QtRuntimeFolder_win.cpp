#include "rotulano-render/QtRuntimeFolder.h"

namespace rotulano::render {

// Qt on Windows keeps no runtime folder.
std::unique_ptr<QTemporaryDir> qtRuntimeFolder() {
    return nullptr;
}

}  // namespace rotulano::render
