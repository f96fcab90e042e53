#pragma once

#include <string>

#include "core/LabelRequest.h"
#include "core/Platform.h"
#include "printing/CapturePlatform.h"
#include "printing/ChannelState.h"
#include "printing/LabelJob.h"
#include "printing/LogoDownload.h"
#include "printing/PrintChannel.h"
#include "printing/RowJob.h"

namespace rotulano::printing {

// One print job run as the window runs it, but on the capture platform: one channel of
// its own (a fresh ChannelState, so the logo is not yet loaded), one logo download and
// one label frame for all its rows. Each print file is written, read back and "copied";
// what would reach the port is kept instead. Nothing of the window's own channel, port
// or print file is touched. The last print file goes when the job does.
class CapturedJob {
  public:
    // The logo files lie in `logoDir` (the working directory when empty); print files are
    // named in `tempDir` when given, otherwise in the system's temporary directory.
    explicit CapturedJob(core::Platform& system, const std::string& logoDir = {},
                         const std::string& tempDir = {});
    ~CapturedJob();
    CapturedJob(const CapturedJob&) = delete;
    CapturedJob& operator=(const CapturedJob&) = delete;

    // printing::printRow on this job's label frame: the row's labels, the logo download
    // first when its layout shows the logo and this job has not sent it yet.
    RowJobResult printRow(const core::LabelRequest& request);

    // Everything the job has sent so far, in order.
    const std::string& bytes() const { return capture_.captured(); }

  private:
    CapturePlatform capture_;
    ChannelState state_;
    PrintChannel channel_;
    LogoDownload logo_;
    LabelJob job_;
};

}  // namespace rotulano::printing
