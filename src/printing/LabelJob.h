#pragma once

#include "core/PrinterSettings.h"
#include "labels/LabelOutput.h"
#include "printing/ChannelResult.h"
#include "printing/LogoDownload.h"
#include "printing/PrintChannel.h"

namespace rotulano::printing {

// The frame every label routine's output goes through: the port from the settings, a
// fresh print file, the logo download at the point the layout asks for, the command
// lines written with CR LF, and the copy of the whole file to the port. The result says
// whether the labels reached the port; a print file that could not be written is never
// sent, and never passed off as printed.
class LabelJob {
  public:
    LabelJob(PrintChannel& channel, LogoDownload& logo);

    ChannelResult send(const labels::LabelOutput& output, const core::PrinterSettings& settings);

  private:
    void downloadLogo(const core::PrinterSettings& settings, const std::string& portName,
                      ChannelResult& result);

    PrintChannel& channel_;
    LogoDownload& logo_;
};

}  // namespace rotulano::printing
