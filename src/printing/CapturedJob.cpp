#include "printing/CapturedJob.h"

namespace rotulano::printing {

CapturedJob::CapturedJob(core::Platform& system, const std::string& logoDir,
                         const std::string& tempDir)
    : capture_(system),
      channel_(state_, capture_),
      logo_(channel_, logoDir),
      job_(channel_, logo_) {
    channel_.rotinaAchaTemp();
    if (!tempDir.empty()) {
        state_.tempDir = tempDir;
    }
}

CapturedJob::~CapturedJob() {
    channel_.deletePrintFile();
}

RowJobResult CapturedJob::printRow(const core::LabelRequest& request) {
    return printing::printRow(job_, request);
}

}  // namespace rotulano::printing
