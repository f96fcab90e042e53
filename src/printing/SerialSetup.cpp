#include "printing/SerialSetup.h"

#include "core/FixedRecord.h"
#include "printing/LabelFileBytes.h"

namespace rotulano::printing {

namespace {
constexpr std::size_t kSerialPortNameLength = 4;
}  // namespace

core::FileStatus rotinaSerial(PrintChannel& channel) {
    ChannelState& state = channel.state();
    const std::string port =
        core::trimRight(core::fieldAt(state.serialPortName, 1, kSerialPortNameLength));
    // The print file name is about to name the port: the last print file is removed now,
    // as nothing would remove it later.
    channel.deletePrintFile();
    state.printFileName = port + ":";
    state.printFileIsOurs = false;

    core::Platform& platform = channel.platform();
    const core::FileStatus status = platform.openSerialPort(platform.portDevice(port), kRecordEnd);
    state.serialPortName = status + "  ";
    return status;
}

}  // namespace rotulano::printing
