#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "core/LabelRequest.h"
#include "core/PrinterSettings.h"
#include "printing/ChannelResult.h"
#include "printing/JobRecorder.h"
#include "printing/JobSink.h"
#include "printing/LabelJob.h"
#include "printing/LogoDownload.h"

namespace rotulano::printing {

// A ticked row of the item grid: its number (from 1), its order line and its "Quant.".
struct JobRow {
    int row = 0;
    std::string line;
    long long quantity = 0;
};

// What a print job prints: the ticked rows in the order they go out, the loaded order's
// number and the saved settings.
struct JobRequest {
    std::vector<JobRow> rows;
    std::string orderNumber;
    core::PrinterSettings settings = core::PrinterSettings::defaults();
};

enum class RowOutcome {
    NotReached,  // the job ended before it
    Printed,     // its bytes left the program (or its label code has no layout)
    Failed,      // the destination refused it or stalled; nothing more was sent
    Cancelled,   // the operator cancelled while it went out
};

struct RowReport {
    int row = 0;
    RowOutcome outcome = RowOutcome::NotReached;
    bool hasLayout = false;
    long long labels = 0;  // its item labels, as its label request counts them
    ChannelResult channel;
};

enum class JobEnd {
    Normal,           // every row printed
    InvalidPort,      // the saved port is none of the list: nothing printed
    SerialFailure,    // the COM port could not be set up: nothing more printed
    NoPrintFolder,    // no folder for the print files: nothing printed
    RowFailed,        // a row did not reach the destination
    Cancelled,        // the operator cancelled
    PrinterNotReady,  // the printer was not ready and the operator chose to cancel
    PrinterBusy,      // another job of this machine holds the printer: nothing printed
    NoLabels,         // a row asks for 0 labels: neither it nor any row after it was sent
};

// What the operator does about a printer that is not ready before a row.
enum class StatusChoice {
    TryAgain,     // ask the printer again
    PrintAnyway,  // print in the state the printer is in
    Cancel,       // end the job here; the rows before keep their labels
};

// How the job ended and what became of every row it reached.
struct JobReport {
    JobEnd end = JobEnd::Normal;
    PortCheck check;     // the destination's answer that ended the job early
    StatusCheck status;  // the printer's status that ended the job (PrinterNotReady)
    std::vector<RowReport> rows;
    long long labelsSent = 0;
};

// What the engine tells while it runs, from the thread it runs on.
class JobObserver {
  public:
    virtual ~JobObserver() = default;
    // Row `index` of `count` (from 1) is about to go out with `request`.
    virtual void rowStarting(int index, int count, const JobRow& row,
                             const core::LabelRequest& request) {
        (void)index, (void)count, (void)row, (void)request;
    }
    // The row is done; `labelsSent` counts the labels of every row printed so far.
    virtual void rowEnded(const RowReport& report, long long labelsSent) {
        (void)report, (void)labelsSent;
    }
    // The COM port was set up: returns once the operator has confirmed it.
    virtual void setUpConfirmed(const PortCheck& check) { (void)check; }
    // The printer asked before a row is not ready (a fault, no answer, an answer that is
    // not one): returns once the operator has chosen. Without one, the job ends.
    virtual StatusChoice printerNotReady(const StatusCheck& check) {
        (void)check;
        return StatusChoice::Cancel;
    }
    // Something the operator should know although the job goes on; each one once a job.
    virtual void warning(const ChannelWarning& warning) { (void)warning; }
};

// The print job: for each row, the destination got ready (port check, serial set-up once
// per run), its label request, the routine chosen by the saved model and the label code,
// the logo download once per job where a layout shows the logo, and one label file. Where
// the destination's status check is on, the printer is asked before each row and a
// printer that is not ready stops the job until the operator chooses. The job holds its
// printer from the first row's preparation to its end: a printer that another job of
// this machine holds ends the job before anything is sent to it. A row of 0 labels is
// refused before it starts (a printer reads a count of 0 as one label, and its summary
// label would still follow), and the job ends there. The
// first row that fails ends the job at once; a cancel takes effect between rows and ends
// a wait for a destination that stopped taking bytes or for a printer's status answer.
// No widget: the window, the
// renderer and the label preview all run it, each with its own sink.
class PrintEngine {
  public:
    explicit PrintEngine(JobSink& sink, std::string logoDir = {});

    JobReport run(const JobRequest& request, JobObserver& observer);

    // Every later job is told to `recorder` too (none: nothing is recorded). It must
    // outlive the jobs it records.
    void setRecorder(JobRecorder* recorder) { recorder_ = recorder; }

    // From any thread.
    void cancel();
    bool cancelled() const { return cancelled_.load(); }

  private:
    void runRows(const JobRequest& request, JobObserver& observer, JobReport& report);
    bool readyForRow(const core::PrinterSettings& settings, JobObserver& observer,
                     JobReport& report);
    bool printerReady(const core::PrinterSettings& settings, JobObserver& observer,
                      JobReport& report);
    static bool notAskedAgain(const PrinterStatus& accepted);
    static bool sameState(const PrinterStatus& status, const PrinterStatus& accepted);
    RowReport printRow(const JobRow& row, const core::LabelRequest& request);
    static long long labelCount(const core::LabelRequest& request);
    void passOnWarnings(const ChannelResult& channel, JobObserver& observer);

    JobSink& sink_;
    LogoDownload logo_;
    LabelJob labelJob_;
    std::atomic<bool> cancelled_{false};
    PrinterStatus acceptedStatus_;  // the state the operator chose to print in
    std::vector<ChannelWarning> warned_;
    JobRecorder* recorder_ = nullptr;
};

}  // namespace rotulano::printing
