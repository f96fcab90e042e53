#include "printing/PrintChannel.h"

#include "core/FixedRecord.h"
#include "core/GuardedFile.h"
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

void PrintChannel::rotinaNomePrint() {
    deletePrintFile();
    const std::string clock = platform_.clockText();
    state_.printFileName =
        state_.tempDir + core::fieldAt(clock, kTimeOfDayAt, kTimeOfDayLength) + kPrintFileExtension;
}

void PrintChannel::deletePrintFile() {
    if (!state_.printFileName.empty()) {
        platform_.deleteFile(state_.printFileName);
        state_.printFileName.clear();
    }
}

bool PrintChannel::writePrintFile(const std::vector<std::string>& lines, ChannelResult& result) {
    return writePrintBytes(labelFileBytes(lines), result);
}

bool PrintChannel::writePrintBytes(const std::string& bytes, ChannelResult& result) {
    const core::FileStatus status = createFileBytes(state_.printFileName, bytes);
    printFileSize_ = status == core::kStatusOk ? bytes.size() : 0;
    if (status != core::kStatusOk) {
        result.fail(ChannelStep::PrintFile, status, state_.printFileName);
        return false;
    }
    return true;
}

// The file is read back rather than the lines sent again: what reaches the printer is
// what the print file holds. A print file swapped for a named pipe or a device, or grown
// past what was written, is not read.
bool PrintChannel::copyPrintFile(const std::string& portName, ChannelResult& result,
                                 const std::atomic<bool>& stop) {
    std::string bytes;
    core::FileStatus status =
        core::GuardedFile::readWhole(state_.printFileName, printFileSize_, bytes);
    if (status != core::kStatusOk) {
        result.fail(ChannelStep::PrintFile, status, state_.printFileName, portName);
        return false;
    }
    const std::string device = platform_.portDevice(portName);
    const core::Delivery delivered = platform_.deliverToDevice(device, bytes, stop);
    if (!delivered.ok()) {
        result.fail(ChannelStep::PortCopy, delivered.status, device, portName);
        result.reason = delivered.reason;
        result.bytesWritten = delivered.bytesWritten;
        return false;
    }
    return true;
}

}  // namespace rotulano::printing
