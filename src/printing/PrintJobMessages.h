#pragma once

#include <QString>
#include <string>

#include "core/FileStatus.h"
#include "printing/ChannelResult.h"
#include "printing/PrintEngine.h"

// The texts and titles of the message boxes that the window's print job shows, and the
// lines that rotulano-render --send writes for the same events.
namespace rotulano::printing::printJobMessages {

// A box of the job: what ROTINA-MSG receives.
struct JobMessage {
    QString text;
    QString title;
    int style;
};

// The saved port is none of LPT1, LPT2, COM1 to COM4.
JobMessage invalidPort();

// The serial set-up of the COM port went through: the printer should feed.
JobMessage serialConfirmation();

// The serial set-up failed with `status`; the title is cut at 60 characters.
JobMessage serialFailure(const core::FileStatus& status);

// The labels of a row did not leave the program: the print file or the copy to the port
// failed. Names the port and the device tried, the status and, for a refused
// permission, the fix.
JobMessage channelFailure(const ChannelResult& result);

// The ports file beside the settings cannot be used: its message names the file and line.
JobMessage portsFileFailure(const std::string& message);

// The print files' folder could not be made in the temporary directory `sharedDir`.
JobMessage noPrintFolder(const std::string& sharedDir);

// Another job of this machine holds the printer of `check` (PortCheck::Kind::PrinterBusy):
// nothing was sent.
JobMessage printerBusy(const PortCheck& check);

// Row `row` asks for 0 labels: the job stopped there, nothing of it was sent.
JobMessage noLabels(int row);

// What stopped a job that failed: a port not in the list, the COM port set-up, no print
// folder, a printer held by another job, or the row that did not reach the printer. Only
// for a job that ended so.
JobMessage failedJob(const JobReport& report);

// Closing the progress dialog while a row goes out: cancel the job? (Yes / No)
JobMessage cancelQuestion();

// Something the operator should know although the job goes on (a missing logo file).
JobMessage channelWarning(const ChannelWarning& warning);

}  // namespace rotulano::printing::printJobMessages
