#include "printing/PrintChannel.h"

#include "core/FixedRecord.h"
#include "printing/FileBytes.h"
#include "printing/LabelFileBytes.h"

namespace rotulano::printing {

namespace {
// hhmmsscc: characters 9 to 16 of the clock text.
constexpr std::size_t kTimeOfDayAt = 9;
constexpr std::size_t kTimeOfDayLength = 8;
constexpr const char* kPrintFileExtension = ".TXT";
}  // namespace

PrintChannel::PrintChannel(ChannelState& state, core::Platform& platform)
    : state_(state), platform_(platform) {}

void PrintChannel::rotinaAchaTemp() {
    state_.tempDir = platform_.tempDir();
    state_.printFileName.clear();
    state_.printFileIsOurs = false;
}

void PrintChannel::rotinaNomePrint() {
    deletePrintFile();
    const std::string clock = platform_.clockText();
    state_.printFileName =
        state_.tempDir + core::fieldAt(clock, kTimeOfDayAt, kTimeOfDayLength) + kPrintFileExtension;
    state_.printFileIsOurs = true;
}

void PrintChannel::deletePrintFile() {
    if (state_.printFileIsOurs && !state_.printFileName.empty()) {
        platform_.deleteFile(state_.printFileName);
    }
}

bool PrintChannel::writePrintFile(const std::vector<std::string>& lines, ChannelResult& result) {
    const core::FileStatus status = writeFileBytes(state_.printFileName, labelFileBytes(lines));
    if (status != core::kStatusOk) {
        result.fail(ChannelStep::PrintFile, status, state_.printFileName);
        return false;
    }
    return true;
}

// The file is read back rather than the lines sent again: what reaches the printer is
// what the print file holds.
bool PrintChannel::copyPrintFile(const std::string& portName, ChannelResult& result) {
    std::string bytes;
    const core::FileStatus status = readFileBytes(state_.printFileName, bytes);
    if (status != core::kStatusOk) {
        result.fail(ChannelStep::PrintFile, status, state_.printFileName);
        return false;
    }
    return sendToPort(bytes, portName, result);
}

bool PrintChannel::sendToPort(const std::string& bytes, const std::string& portName,
                              ChannelResult& result) {
    const std::string device = platform_.portDevice(portName);
    const core::FileStatus status = platform_.sendToDevice(device, bytes);
    if (status != core::kStatusOk) {
        result.fail(ChannelStep::PortCopy, status, device);
        return false;
    }
    return true;
}

}  // namespace rotulano::printing
