#pragma once

#include <ostream>

#include "rotulano-render/RenderJob.h"
#include "rotulano-render/RenderOptions.h"

namespace rotulano::render {

// How a run of rotulano-render ends (its exit status).
enum class RenderExit : int {
    Ok = 0,
    CommandLine = 1,      // unknown option, bad row list, a row the order does not have
    OrderFile = 2,        // the order file cannot be opened or is refused by the loader
    Settings = 3,         // the parameter file cannot be read, or its port is invalid
    Output = 4,           // a row cannot be printed, the output file or a picture cannot be written
    Send = 5,             // --send: a row or the serial set-up did not reach the printer
    PrinterNotReady = 6,  // --send: the printer asked was not ready or did not answer, or
                          // another job of this machine held it
    UncertainRows = 7,    // --skip-printed: the journal shows rows that may be printed
    JournalUnread = 8,    // --skip-printed, --history: the journal could not be read
};

// --send cancelled by SIGHUP, SIGINT or SIGTERM ends with 128 and the signal's number
// (129, 130, 143), as a shell reports a program that the signal ended, but only once the
// row in hand has ended and the print folder is gone.
inline constexpr int kSignalExitBase = 128;

// Prefix of every line that the tool writes to the error output.
inline constexpr const char* kRenderTag = "rotulano-render: ";

// Writes `message` as an error line and returns `status`.
RenderExit renderFailure(std::ostream& err, RenderExit status, const std::string& message);

// Loads the order and the settings and picks the rows into `request`: Ok, or the exit
// status after its message on `err`.
RenderExit prepareRender(const RenderOptions& options, RenderRequest& request, std::ostream& err);

// Runs rotulano-render for parsed, sound options (not --help): loads the order and the
// settings, renders the chosen rows in memory, writes the bytes to `out` or to the
// output file, and the pictures when asked. Errors and warnings go to `err`, one line
// each. Nothing is written to `out` or the output file unless every byte is ready.
RenderExit runRender(const RenderOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rotulano::render
