#include "core/FileSizeSignal.h"

namespace rotulano::core {

void ignoreFileSizeSignal() {}

}  // namespace rotulano::core
