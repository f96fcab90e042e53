#pragma once

#include <string>
#include <vector>

#include "core/FileStatus.h"

namespace rotulano::printing {

// The step of a label job that failed.
enum class ChannelStep {
    None,
    PrintFile,  // the print file could not be created, written or read back
    PortCopy,   // the port device refused the bytes or could not be opened
};

// Something the operator should know although the job went on, in the program's words
// (UTF-8): a message box title and text.
struct ChannelWarning {
    std::string title;
    std::string text;
};

// What a label job (with its logo download) reports to the print job: the first step
// that failed, with its file status, the port it was for ("LPT1") and the file or device
// concerned ("/dev/usb/lp0"), and warnings.
struct ChannelResult {
    ChannelStep failedStep = ChannelStep::None;
    core::FileStatus status = core::kStatusOk;
    std::string portName;
    std::string failedName;
    // A destination of the ports file says why, in the operator's words ("conexão
    // recusada"); empty for the usual devices, whose status says it.
    std::string reason;
    // Some bytes of the failed row had left the program: the printer may hold part of it.
    bool bytesWritten = false;
    std::vector<ChannelWarning> warnings;

    bool ok() const { return failedStep == ChannelStep::None; }

    // Keeps the first failure: later ones usually follow from it.
    void fail(ChannelStep step, const core::FileStatus& fileStatus, const std::string& name,
              const std::string& port = {}) {
        if (ok()) {
            failedStep = step;
            status = fileStatus;
            failedName = name;
            portName = port;
        }
    }
};

}  // namespace rotulano::printing
