#include "printing/LogoDownload.h"

#include "core/LogoFile.h"
#include "core/PrinterModel.h"
#include "core/ShownBytes.h"
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
    if (core::PrinterModel(model).sendsDplLogoPrefix()) {
        records.push_back(kDplPrefix);
    }
    records.push_back(kDplImageHeader);
    return records;
}

// Named with the folder it was looked for in: the window's working folder, or the
// renderer's --logo-dir.
ChannelWarning unusableLogo(const std::string& path, const std::string& reason) {
    return {"ATENÇÃO", "Arquivo do logotipo " + core::shownBytes(path) + reason +
                           ": as etiquetas sairão sem o logotipo"};
}

}  // namespace

LogoDownload::LogoDownload(JobSink& sink, std::string logoDir)
    : sink_(sink), logoDir_(std::move(logoDir)) {}

std::string LogoDownload::logoPath(const std::string& fileName) const {
    return core::logoFilePath(logoDir_, fileName);
}

// A logo that cannot be read, or an empty file, is not sent at all, not even the DPL
// commands around it: an image header without its bitmap would make the printer take
// the label data that follow for the image. The operator is told once, and the labels
// print without it.
bool LogoDownload::readLogo(const char* fileName, std::string& bytes, ChannelResult& result) const {
    const core::FileStatus status = core::readLogoFile(logoPath(fileName), bytes);
    if (status != core::kStatusOk) {
        result.warnings.push_back(unusableLogo(logoPath(fileName), core::logoFileProblem(status)));
        return false;
    }
    if (bytes.empty()) {
        result.warnings.push_back(unusableLogo(logoPath(fileName), " está vazio"));
        return false;
    }
    return true;
}

bool LogoDownload::rotinaEtqZplCarregaImagem(ChannelResult& result) {
    if (loaded_) {
        return true;
    }
    loaded_ = true;
    std::string graphic;
    if (!readLogo(kZplLogoFile, graphic, result)) {
        return true;
    }
    if (!sink_.write(graphic, result)) {
        return false;
    }
    sink_.pause(kPrinterStoreWait);
    return true;
}

// The bitmap goes out only right behind its header: on its own the printer would read
// it as commands.
bool LogoDownload::rotinaEtqDplCarregaImagem(int model, ChannelResult& result) {
    if (loaded_) {
        return true;
    }
    loaded_ = true;
    std::string bitmap;
    if (!readLogo(kDplLogoFile, bitmap, result)) {
        return true;
    }
    if (!sink_.write(labelFileBytes({kDplClearModuleC}), result)) {
        return false;
    }
    sink_.pause(kPrinterStoreWait);
    if (!sink_.write(labelFileBytes(dplHeaderRecords(model)), result) ||
        !sink_.write(bitmap, result)) {
        return false;
    }
    sink_.pause(kPrinterStoreWait);
    return true;
}

}  // namespace rotulano::printing
