#pragma once

#include <chrono>
#include <string>

#include "printing/ChannelResult.h"
#include "printing/PrintChannel.h"

namespace rotulano::printing {

// Sends the chain's logo to the printer once per print job, before the first label
// that shows it: the ZPL graphic LOGOVRDL.GRF as it is, or the bitmap LOGOVRDL.BMP after
// the DPL image-download commands. ChannelState::logoLoaded guards it; the print job
// clears the flag at its normal end. The logo files lie in the logo directory (the
// working directory unless set otherwise).
class LogoDownload {
  public:
    static constexpr const char* kZplLogoFile = "LOGOVRDL.GRF";
    static constexpr const char* kDplLogoFile = "LOGOVRDL.BMP";
    // How long the printer is given to store the image before more data follow.
    static constexpr std::chrono::milliseconds kPrinterStoreWait{2000};

    explicit LogoDownload(PrintChannel& channel, std::string logoDir = {});

    // ROTINA-ETQ-ZPL-CARREGA-IMAGEM
    void rotinaEtqZplCarregaImagem(const std::string& portName, ChannelResult& result);
    // ROTINA-ETQ-DPL-CARREGA-IMAGEM; model 2 takes no SOH "D" record.
    void rotinaEtqDplCarregaImagem(int model, const std::string& portName, ChannelResult& result);

    // The logo file `fileName` in the logo directory.
    std::string logoPath(const std::string& fileName) const;

    // The bytes a printer receives from a download, the waits left out: the graphic file
    // for ZPL; for DPL the clear, prefix (not for model 2) and image header records,
    // each with CR LF, and the bitmap file.
    static std::string zplDownloadBytes(const std::string& graphicFile);
    static std::string dplDownloadBytes(int model, const std::string& bitmapFile);

  private:
    bool readLogo(const char* fileName, std::string& bytes, ChannelResult& result) const;
    bool sendDplImageHeader(int model, const std::string& portName, ChannelResult& result);

    PrintChannel& channel_;
    std::string logoDir_;
};

}  // namespace rotulano::printing
