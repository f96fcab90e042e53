#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "core/Platform.h"
#include "printing/ChannelResult.h"
#include "printing/ChannelState.h"

namespace rotulano::printing {

// The print output channel: labels are written as command lines into a fresh print
// file in the run's print folder (ChannelState::tempDir, see openPrintFolder), which is
// then copied whole to the port device. The file stays in the folder until the next
// naming or the end of the run.
class PrintChannel {
  public:
    PrintChannel(ChannelState& state, core::Platform& platform);

    // ROTINA-NOME-PRINT: deletes the previous print file and names a new one in the
    // print folder: TempDir + hhmmsscc + ".TXT". The folder is used whole, however long
    // it is.
    void rotinaNomePrint();

    // Deletes the last print file, if there is one, and forgets it.
    void deletePrintFile();

    // Writes `lines` into the current print file, each followed by CR LF. False, with the
    // failure in `result`, when not every byte reached it.
    bool writePrintFile(const std::vector<std::string>& lines, ChannelResult& result);
    // Creates the current print file anew holding `bytes` (never through a symbolic link
    // or into a file that was there before).
    bool writePrintBytes(const std::string& bytes, ChannelResult& result);

    // Copies the current print file, whole and unchanged, to the device of `portName`;
    // a wait for a port that stopped taking bytes ends when `stop` turns true. The file
    // is read only while it is a regular file no longer than what was written into it.
    bool copyPrintFile(const std::string& portName, ChannelResult& result,
                       const std::atomic<bool>& stop);

    ChannelState& state() { return state_; }
    core::Platform& platform() { return platform_; }

  private:
    ChannelState& state_;
    core::Platform& platform_;
    std::size_t printFileSize_ = 0;  // the bytes last written into the print file
};

}  // namespace rotulano::printing
