#pragma once

#include <string>

#include "core/PrinterModel.h"
#include "printing/ChannelResult.h"
#include "printing/LogoDownload.h"
#include "printing/MemorySink.h"

namespace rotulano::test {

// What the printer receives when a print job on `model` downloads the logo from
// `logoDir`, the waits left out: the job's own download into memory. Empty when the logo
// file is missing or empty (the labels then print without it).
inline std::string logoDownloadBytes(int model, const std::string& logoDir) {
    printing::MemorySink sink;
    printing::LogoDownload download(sink, logoDir);
    printing::ChannelResult result;
    if (core::PrinterModel(model).printsZpl()) {
        download.rotinaEtqZplCarregaImagem(result);
    } else {
        download.rotinaEtqDplCarregaImagem(model, result);
    }
    return sink.takeBytes();
}

}  // namespace rotulano::test
