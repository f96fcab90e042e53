#include "printing/LogoDownload.h"

#include "config/PrinterLists.h"
#include "core/LogoFile.h"
#include "printing/LabelFileBytes.h"

namespace rotulano::printing {

namespace {

// DPL image download records: clear memory module C; the prefix SOH "D"; download an
// image into module C, BMP format, named LOGOVRDL.
constexpr char kStx = '\x02';
constexpr char kSoh = '\x01';
const std::string kDplClearModuleC = std::string(1, kStx) + "qC";
const std::string kDplPrefix = std::string(1, kSoh) + "D";
const std::string kDplImageHeader = std::string(1, kStx) + "ICBLOGOVRDL";

std::vector<std::string> dplHeaderRecords(int model) {
    std::vector<std::string> records;
    if (config::PrinterLists::sendsDplLogoPrefix(model)) {
        records.push_back(kDplPrefix);
    }
    records.push_back(kDplImageHeader);
    return records;
}

ChannelWarning unusableLogo(const std::string& fileName, const std::string& reason) {
    return {"ATENÇÃO",
            "Arquivo do logotipo " + fileName + reason + ": as etiquetas sairão sem o logotipo"};
}

}  // namespace

LogoDownload::LogoDownload(PrintChannel& channel, std::string logoDir)
    : channel_(channel), logoDir_(std::move(logoDir)) {}

std::string LogoDownload::logoPath(const std::string& fileName) const {
    if (logoDir_.empty()) {
        return fileName;
    }
    const char last = logoDir_.back();
    return last == '/' || last == '\\' ? logoDir_ + fileName : logoDir_ + "/" + fileName;
}

// A logo that cannot be read, or an empty file, is not sent at all, not even the DPL
// commands around it: an image header without its bitmap would make the printer take
// the label data that follow for the image. The operator is told once, and the labels
// print without it.
bool LogoDownload::readLogo(const char* fileName, std::string& bytes, ChannelResult& result) const {
    const core::FileStatus status = core::readLogoFile(logoPath(fileName), bytes);
    if (status != core::kStatusOk) {
        result.warnings.push_back(unusableLogo(fileName, core::logoFileProblem(status)));
        return false;
    }
    if (bytes.empty()) {
        result.warnings.push_back(unusableLogo(fileName, " está vazio"));
        return false;
    }
    return true;
}

void LogoDownload::rotinaEtqZplCarregaImagem(const std::string& portName, ChannelResult& result) {
    ChannelState& state = channel_.state();
    if (state.logoLoaded) {
        return;
    }
    std::string graphic;
    if (readLogo(kZplLogoFile, graphic, result)) {
        channel_.rotinaNomePrint();
        channel_.sendToPort(graphic, portName, result);
        channel_.platform().sleepFor(kPrinterStoreWait);
    }
    state.logoLoaded = true;
}

void LogoDownload::rotinaEtqDplCarregaImagem(int model, const std::string& portName,
                                             ChannelResult& result) {
    ChannelState& state = channel_.state();
    if (state.logoLoaded) {
        return;
    }
    std::string bitmap;
    if (readLogo(kDplLogoFile, bitmap, result)) {
        channel_.rotinaNomePrint();
        if (channel_.writePrintFile({kDplClearModuleC}, result)) {
            channel_.copyPrintFile(portName, result);
        }
        channel_.platform().sleepFor(kPrinterStoreWait);
        if (sendDplImageHeader(model, portName, result)) {
            channel_.sendToPort(bitmap, portName, result);
        }
        channel_.platform().sleepFor(kPrinterStoreWait);
    }
    state.logoLoaded = true;
}

// The bitmap goes out only right behind its header: on its own the printer would read
// it as commands.
bool LogoDownload::sendDplImageHeader(int model, const std::string& portName,
                                      ChannelResult& result) {
    return channel_.writePrintFile(dplHeaderRecords(model), result) &&
           channel_.copyPrintFile(portName, result);
}

std::string LogoDownload::zplDownloadBytes(const std::string& graphicFile) {
    return graphicFile;
}

std::string LogoDownload::dplDownloadBytes(int model, const std::string& bitmapFile) {
    return labelFileBytes({kDplClearModuleC}) + labelFileBytes(dplHeaderRecords(model)) +
           bitmapFile;
}

}  // namespace rotulano::printing
