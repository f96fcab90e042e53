#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rotulano-render/RowSelection.h"

namespace rotulano::render {

// What the command line of rotulano-render asks for:
//   rotulano-render ORDER.txt [--settings FILE] [--rows LIST] [--logo-dir DIR]
//                   [-o FILE] [--png DIR]
//   rotulano-render ORDER.txt --send [--port PORT] [--ports FILE] [--no-status]
//                   [--settings FILE] [--rows LIST] [--logo-dir DIR]
//                   [--journal FILE | --no-journal] [--skip-printed [--resend-uncertain]]
//   rotulano-render --history [--order NUMBER] [--journal FILE] [--settings FILE]
//                   [--format text|csv]
struct RenderOptions {
    std::string orderPath;
    std::optional<std::string> settingsPath;  // none: CD21PRM.DAT here, else the defaults
    RowSelection rows;                        // default: every row
    std::string logoDir;                      // empty: the current directory
    std::optional<std::string> outputPath;    // none: standard output
    std::optional<std::string> pngDir;        // one picture per label, when given
    bool send = false;                        // to the printer instead of the output
    std::optional<std::string> port;          // a port name or a destination; none: saved port
    std::optional<std::string> portsPath;     // none: the ports file beside the settings
    bool noStatus = false;                    // send without asking the printer first
    std::optional<std::string> journalPath;   // none: the journal beside the settings
    bool noJournal = false;                   // --send keeps no journal
    bool skipPrinted = false;                 // leave out the rows the journal shows printed
    bool resendUncertain = false;             // with skipPrinted: send possibly printed rows
    bool history = false;                     // print the journal's jobs instead
    std::optional<std::string> historyOrder;  // --order: one order's jobs only
    bool csv = false;                         // --format csv
    bool help = false;
    bool version = false;
};

// The outcome of reading the command line: the options, or why they were refused.
struct ParsedOptions {
    RenderOptions options;
    std::string error;  // UTF-8; empty when the command line is sound

    bool ok() const { return error.empty(); }
};

// Reads the command-line arguments (without the program's name), each a string of bytes
// that stays one. Pure: it looks at no file, so that any argument list can be thrown at
// it. Options take their value as the next argument or after "=" ("--rows=1,2"); "--"
// ends the options. With --help, -h or --version the rest is not checked.
ParsedOptions parseRenderOptions(const std::vector<std::string>& arguments);

// The text that --help prints (UTF-8).
std::string renderHelpText();

// The line that --version prints: the program's name and version.
std::string renderVersionText();

}  // namespace rotulano::render
