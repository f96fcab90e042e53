#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/PrinterSettings.h"
#include "printing/PrintEngine.h"

namespace rotulano::render {

// One print job to render: the order's item lines in grid order, its number, the saved
// settings, the ticked rows (from 1, in the order the job prints them) and the folder
// of the logo files.
struct RenderRequest {
    std::vector<std::string> items;
    std::string orderNumber;
    core::PrinterSettings settings = core::PrinterSettings::defaults();
    std::vector<int> rows;
    std::string logoDir;
    // What the print journal keeps of the order: its file, supplier and bytes' SHA-256.
    std::string orderPath;
    std::string supplierName;
    std::string orderSha256;
};

// What one printed row sent: `length` bytes from `offset` of the job's bytes, the logo
// download included when this row sent it. A row whose label code has no layout sends
// nothing.
struct RenderedRow {
    int row = 0;
    bool hasLayout = false;
    std::size_t offset = 0;
    std::size_t length = 0;
};

// The bytes of the whole job, row by row, and what the operator should know (UTF-8).
// When a row cannot be printed the job stops: `error` says why, and there are no bytes.
struct RenderResult {
    std::string bytes;
    std::vector<RenderedRow> rows;
    std::vector<std::string> warnings;
    std::string error;

    bool ok() const { return error.empty(); }
};

// The engine's job for `request`: each row with its order line and the file's quantity.
// False, with the reason in `error`, for a row the order does not have.
bool buildJobRequest(const RenderRequest& request, printing::JobRequest& job, std::string& error);

// Runs the print job's engine for the ticked rows into memory: for each row its label
// request and the label routine chosen by the saved model and the row's label code, the
// logo download once per job. No print file, no port, no wait.
class RenderJob {
  public:
    RenderResult run(const RenderRequest& request);
};

}  // namespace rotulano::render
