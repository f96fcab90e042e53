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

    bool ok() const { return status == kStatusOk; }

    static Delivery failed(const FileStatus& status, std::string reason) {
        return {status, std::move(reason), 0};
    }
};

}  // namespace rotulano::core
