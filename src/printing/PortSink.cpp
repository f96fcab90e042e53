#include "printing/PortSink.h"

#include "config/PrinterLists.h"
#include "printing/SerialSetup.h"

namespace rotulano::printing {

PortCheck PortSink::prepare(const core::PrinterSettings& settings) {
    const int port = settings.port();
    if (!config::PrinterLists::isListedPort(port)) {
        return {PortCheck::Kind::InvalidPort, core::kStatusOk, {}};
    }
    ChannelState& state = channel_.state();
    if (state.tempDir.empty()) {
        return {PortCheck::Kind::NoPrintFolder, core::kStatusIoError, state.sharedTempDir};
    }
    portName_ = config::PrinterLists::portName(port);
    const std::string device = channel_.platform().portDevice(portName_);
    if (!lock_.take(channel_.platform().printerLockSpace(), PrinterLock::deviceKey(device))) {
        return {PortCheck::Kind::PrinterBusy, core::kStatusLocked, portName_, device};
    }
    if (!config::PrinterLists::isSerialPort(port) || state.serialPortConfigured) {
        return {};
    }
    const core::FileStatus status =
        rotinaSerial(channel_, config::PrinterLists::serialPortName(port));
    if (status != core::kStatusOk) {
        return {PortCheck::Kind::SerialFailure, status, portName_};
    }
    return {PortCheck::Kind::SerialSetUp, status, portName_};
}

void PortSink::confirmSetUp() {
    channel_.state().serialPortConfigured = true;
}

// A cancel lets the row in flight end: its pieces still go, and only a wait on a port
// that has stopped taking bytes ends early.
bool PortSink::write(const std::string& bytes, ChannelResult& result) {
    channel_.rotinaNomePrint();
    if (!channel_.writePrintBytes(bytes, result)) {
        result.portName = portName_;
        return false;
    }
    return channel_.copyPrintFile(portName_, result, stop_);
}

void PortSink::pause(std::chrono::milliseconds duration) {
    channel_.platform().sleepFor(duration);
}

}  // namespace rotulano::printing
