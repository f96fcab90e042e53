#pragma once

#include <string>

#include "core/FileStatus.h"
#include "core/MessageRequest.h"
#include "core/PrinterSettings.h"
#include "printing/ChannelState.h"

namespace rotulano::window {

// The records shared by every handler of the main window; they live as long as the
// window does.
struct Session {
    core::MessageRequest message;
    core::FileStatus fileStatus = core::kStatusOk;
    QString statusFileLabel;  // the file a status report concerns, in words

    core::PrinterSettings settings;
    printing::ChannelState channel;  // temp dir, print file name, serial and logo flags

    int gridColumnCount = 0;
    std::string orderNumber = "000000";  // numeric copy of the loaded order's number
    int clickedRow = 0;         // cell of the last click on TAB-PEDIDO, counted as the handlers
    int clickedColumn = 0;      // count them: rows from 1 (0 the heading row), columns from 1
    bool clickExtends = false;  // that click was made with Shift held
    int lastSelRow = 0;         // the row of the last tick by click or Space; 0 none

    bool settingsLossReported = false;  // CD21PRM.DAT could not be read again; said once
    bool closeRequested = false;        // a fatal report asked the window to close
};

}  // namespace rotulano::window
