#include "printing/SerialSetup.h"

#include "printing/LabelFileBytes.h"

namespace rotulano::printing {

core::FileStatus rotinaSerial(PrintChannel& channel, const std::string& portName) {
    channel.deletePrintFile();
    core::Platform& platform = channel.platform();
    return platform.openSerialPort(platform.portDevice(portName), kRecordEnd);
}

}  // namespace rotulano::printing
