#pragma once

#include "printing/PrintEngine.h"
#include "printing/PrintJobMessages.h"
#include "window/ItemTableModel.h"
#include "window/WindowContext.h"

namespace rotulano::window {

namespace printJobMessages = printing::printJobMessages;

class PrintProgressDialog;

// ON-PRINT: prints the ticked rows of the item model from the top (with the pause option
// ticked, only the first) through the print engine and the window's port. The engine
// runs on a thread of its own while a modal progress dialog shows the row going out and
// offers to cancel; the window keeps repainting. Each row is marked "Ø" once its bytes
// have left the program. A row that did not, and every row after it, keeps its "X": the
// job stops there and tells the operator why, so that nothing is lost and nothing is
// passed off as printed. Every box is shown from the window's thread.
class PrintJob {
  public:
    explicit PrintJob(WindowContext& context);

    void run();
    // Prints `rows` as they are (row, line, labels), recorded as a reprint where the journal
    // or the grid shows the row printed.
    void run(std::vector<printing::JobRow> rows);

    // From the engine's thread, carried out on the window's.
    void rowStarting(PrintProgressDialog& dialog, int index, int count, const printing::JobRow& row,
                     const core::LabelRequest& request);
    void rowEnded(PrintProgressDialog& dialog, const printing::RowReport& report,
                  long long labelsSent);
    void show(const printJobMessages::JobMessage& message);
    void tellJournal(const std::string& message);
    // The printer asked before a row is not ready: the operator chooses what follows.
    printing::StatusChoice askPrinter(const printing::StatusCheck& check);

    // The operator closes the main window while the job runs: the dialog's question is
    // asked; on "Sim" the job is cancelled and the window closes once the row in flight
    // has ended.
    void closeWindowOnCancel();

  private:
    printing::JobReport runInBackground(printing::PrintEngine& engine,
                                        const printing::JobRequest& request, int rowCount);
    void finish(const printing::JobReport& report);
    void endOnConfigurationPage();
    void endNormally();
    bool askCancel();
    void jobEnded();

    WindowContext& context_;
    ItemTableModel& items_;
    PrintProgressDialog* dialog_ = nullptr;  // while the job runs
    bool questionOpen_ = false;              // the cancel question waits for an answer
    bool closeWindow_ = false;               // the operator closed the window mid-job
    bool journalTold_ = false;               // the journal's fault was shown for this job
};

}  // namespace rotulano::window
