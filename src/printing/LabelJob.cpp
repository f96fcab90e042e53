#include "printing/LabelJob.h"

#include "config/PrinterLists.h"
#include "labels/PrinterLetters.h"

namespace rotulano::printing {

LabelJob::LabelJob(PrintChannel& channel, LogoDownload& logo) : channel_(channel), logo_(logo) {}

ChannelResult LabelJob::send(const labels::LabelOutput& output,
                             const core::PrinterSettings& settings) {
    ChannelResult result;
    if (output.unprintableLetters) {
        result.warnings.push_back(
            {labels::kUnprintableLettersTitle, labels::kUnprintableLettersText});
    }
    const std::string portName = config::PrinterLists::portName(settings.port());
    if (output.logo == labels::LogoPoint::BeforeNaming) {
        downloadLogo(settings, portName, result);
    }
    channel_.rotinaNomePrint();
    if (output.logo == labels::LogoPoint::AfterNaming) {
        downloadLogo(settings, portName, result);
    }
    if (channel_.writePrintFile(output.lines, result)) {
        channel_.copyPrintFile(portName, result);
    }
    return result;
}

void LabelJob::downloadLogo(const core::PrinterSettings& settings, const std::string& portName,
                            ChannelResult& result) {
    if (config::PrinterLists::isZplModel(settings.model())) {
        logo_.rotinaEtqZplCarregaImagem(portName, result);
    } else {
        logo_.rotinaEtqDplCarregaImagem(settings.model(), portName, result);
    }
}

}  // namespace rotulano::printing
