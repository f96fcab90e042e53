#pragma once

#include "core/PrinterSettings.h"
#include "labels/LabelOutput.h"
#include "printing/ChannelResult.h"
#include "printing/JobSink.h"
#include "printing/LogoDownload.h"

namespace rotulano::printing {

// The frame every label routine's output goes through: the logo download first where
// the layout shows the logo, then the command lines, each with CR LF, as one label file
// to the job's destination. The result says whether the labels left the program; when
// the destination refused the logo, no label is sent.
class LabelJob {
  public:
    LabelJob(JobSink& sink, LogoDownload& logo);

    ChannelResult send(const labels::LabelOutput& output, const core::PrinterSettings& settings);

  private:
    bool downloadLogo(const core::PrinterSettings& settings, ChannelResult& result);

    JobSink& sink_;
    LogoDownload& logo_;
};

}  // namespace rotulano::printing
