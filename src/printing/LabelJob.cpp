#include "printing/LabelJob.h"

#include "config/PrinterLists.h"
#include "labels/PrinterLetters.h"
#include "printing/LabelFileBytes.h"

namespace rotulano::printing {

LabelJob::LabelJob(JobSink& sink, LogoDownload& logo) : sink_(sink), logo_(logo) {}

ChannelResult LabelJob::send(const labels::LabelOutput& output,
                             const core::PrinterSettings& settings) {
    ChannelResult result;
    if (output.unprintableLetters) {
        result.warnings.push_back(
            {labels::kUnprintableLettersTitle, labels::kUnprintableLettersText});
    }
    if (output.logo != labels::LogoPoint::None && !downloadLogo(settings, result)) {
        return result;
    }
    sink_.write(labelFileBytes(output.lines), result);
    return result;
}

bool LabelJob::downloadLogo(const core::PrinterSettings& settings, ChannelResult& result) {
    if (config::PrinterLists::isZplModel(settings.model())) {
        return logo_.rotinaEtqZplCarregaImagem(result);
    }
    return logo_.rotinaEtqDplCarregaImagem(settings.model(), result);
}

}  // namespace rotulano::printing
