#pragma once

#include <QTemporaryDir>
#include <memory>

namespace rotulano::render {

// What the system needs before Qt starts a picture application: a private runtime folder
// where the session has none (Qt complains on the error output otherwise), kept for as
// long as the returned object lives; null where Qt wants none.
std::unique_ptr<QTemporaryDir> qtRuntimeFolder();

}  // namespace rotulano::render
