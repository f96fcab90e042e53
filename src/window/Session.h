#pragma once

#include <string>

#include "core/PrinterSettings.h"
#include "printing/ChannelState.h"

namespace rotulano::window {

class PrintJob;

// The records that outlive a single event: they live as long as the window does. What
// one handler tells another it passes as arguments, not through here.
struct Session {
    core::PrinterSettings settings;
    printing::ChannelState channel;  // temp dir, print file name, serial and logo flags

    std::string orderNumber = "000000";  // numeric copy of the loaded order's number
    // The loaded order as the print journal knows it: its file (the system's bytes), the
    // SHA-256 of its bytes (empty: none loaded, or unreadable) and the supplier (Latin-1).
    std::string orderFile;
    std::string orderSha256;
    std::string supplierName;
    int lastSelRow = 0;  // the row of the last tick by click or Space, where a Shift-click
                         // range starts; 0 none

    bool settingsLossReported = false;  // CD21PRM.DAT could not be read again; said once
    bool settingsMustBeSaved = false;   // unreadable or damaged: Gravar stays on
    int pageShown = 1;                  // TB-OPERA's page before the page change in hand
    bool closeRequested = false;        // a fatal report asked the window to close
    PrintJob* runningJob = nullptr;     // the print job under way, while one runs
};

}  // namespace rotulano::window
