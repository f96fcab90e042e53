#include "printing/CapturePlatform.h"

namespace rotulano::printing {

core::FileStatus CapturePlatform::sendToDevice(const std::string&, const std::string& bytes) {
    captured_ += bytes;
    return core::kStatusOk;
}

core::FileStatus CapturePlatform::openSerialPort(const std::string&, const std::string& bytes) {
    captured_ += bytes;
    return core::kStatusOk;
}

}  // namespace rotulano::printing
