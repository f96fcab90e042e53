#pragma once

#include <string>

#include "core/FileStatus.h"

namespace rotulano::core {

// What a destination says about one row's bytes: accepted ("00"), or the status and the
// reason in the operator's words (UTF-8), e.g. "conexão recusada". A print queue also
// gives the number of the job it made.
struct Delivery {
    FileStatus status = kStatusOk;
    std::string reason;
    int queueJobId = 0;
    // A failed row some of whose bytes had left the program: the printer may hold part of
    // its labels, and the operator is told to look before printing it again.
    bool bytesWritten = false;
    // A network printer closed its side of the connection after the row (what the Portas
    // window's test reports: a printer that does not needs "confirma-fechando=nao").
    bool printerClosed = false;

    bool ok() const { return status == kStatusOk; }

    static Delivery failed(const FileStatus& status, std::string reason) {
        return {status, std::move(reason), 0, false, false};
    }
};

}  // namespace rotulano::core
