#pragma once

#include <chrono>
#include <string>

#include "printing/ChannelResult.h"
#include "printing/JobSink.h"

namespace rotulano::printing {

// Sends the chain's logo to the printer once per print job, before the first label
// that shows it: the ZPL graphic LOGOVRDL.GRF as it is, or the bitmap LOGOVRDL.BMP after
// the DPL image-download commands. Its logo-loaded flag guards it; every print job
// starts with the flag cleared. The logo files lie in the logo directory (the working
// directory unless set otherwise). A download that the destination refuses or stalls on
// stops the row before any label; a logo file that is missing or unusable is a warning,
// and the labels print without it.
class LogoDownload {
  public:
    static constexpr const char* kZplLogoFile = "LOGOVRDL.GRF";
    static constexpr const char* kDplLogoFile = "LOGOVRDL.BMP";
    // How long the printer is given to store the image before more data follow.
    static constexpr std::chrono::milliseconds kPrinterStoreWait{2000};

    explicit LogoDownload(JobSink& sink, std::string logoDir = {});

    // ROTINA-ETQ-ZPL-CARREGA-IMAGEM; false when the destination did not take it.
    bool rotinaEtqZplCarregaImagem(ChannelResult& result);
    // ROTINA-ETQ-DPL-CARREGA-IMAGEM; model 2 takes no SOH "D" record.
    bool rotinaEtqDplCarregaImagem(int model, ChannelResult& result);

    bool loaded() const { return loaded_; }
    // A new print job: the logo goes out again before its first label that shows it.
    void reset() { loaded_ = false; }

    // The logo file `fileName` in the logo directory.
    std::string logoPath(const std::string& fileName) const;

  private:
    bool readLogo(const char* fileName, std::string& bytes, ChannelResult& result) const;

    JobSink& sink_;
    std::string logoDir_;
    bool loaded_ = false;
};

}  // namespace rotulano::printing
