#include "printing/PrintEngine.h"

#include <algorithm>

#include "core/FixedRecord.h"
#include "labels/LetterCheck.h"
#include "labels/RoutineChoice.h"
#include "printing/RowJob.h"

namespace rotulano::printing {

namespace {

JobEnd endOf(PortCheck::Kind kind) {
    switch (kind) {
        case PortCheck::Kind::InvalidPort:
            return JobEnd::InvalidPort;
        case PortCheck::Kind::SerialFailure:
            return JobEnd::SerialFailure;
        case PortCheck::Kind::NoPrintFolder:
            return JobEnd::NoPrintFolder;
        case PortCheck::Kind::PrinterBusy:
            return JobEnd::PrinterBusy;
        case PortCheck::Kind::Ready:
        case PortCheck::Kind::SerialSetUp:
            break;
    }
    return JobEnd::Normal;
}

}  // namespace

PrintEngine::PrintEngine(JobSink& sink, std::string logoDir)
    : sink_(sink), logo_(sink, std::move(logoDir)), labelJob_(sink, logo_) {}

void PrintEngine::cancel() {
    cancelled_ = true;
    sink_.cancel();
}

JobReport PrintEngine::run(const JobRequest& request, JobObserver& observer) {
    JobReport report;
    logo_.reset();
    warned_.clear();
    acceptedStatus_ = {};
    if (recorder_ != nullptr) {
        recorder_->jobStarted(request);
    }
    runRows(request, observer, report);
    sink_.jobEnded();
    if (recorder_ != nullptr) {
        recorder_->jobEnded(report);
    }
    return report;
}

void PrintEngine::runRows(const JobRequest& request, JobObserver& observer, JobReport& report) {
    const int count = static_cast<int>(request.rows.size());
    for (int index = 1; index <= count; ++index) {
        if (cancelled_) {
            report.end = JobEnd::Cancelled;
            break;
        }
        const JobRow& row = request.rows[static_cast<std::size_t>(index - 1)];
        const core::LabelRequest label =
            rowRequest(row.line, row.quantity, request.orderNumber, request.settings);
        if (labelCount(label) == 0) {
            report.end = JobEnd::NoLabels;
            report.rows.push_back({row.row, RowOutcome::Failed, false, 0, {}});
            break;
        }
        observer.rowStarting(index, count, row, label);
        if (!readyForRow(request.settings, observer, report) ||
            !printerReady(request.settings, observer, report)) {
            break;
        }
        if (recorder_ != nullptr) {
            recorder_->rowSending(row, labelCount(label));
        }
        report.rows.push_back(printRow(row, label));
        const RowReport& done = report.rows.back();
        if (recorder_ != nullptr) {
            recorder_->rowOutcome(done);
        }
        passOnWarnings(done.channel, observer);
        if (done.outcome == RowOutcome::Printed) {
            report.labelsSent += done.labels;
        }
        observer.rowEnded(done, report.labelsSent);
        if (done.outcome != RowOutcome::Printed) {
            report.end =
                done.outcome == RowOutcome::Cancelled ? JobEnd::Cancelled : JobEnd::RowFailed;
            break;
        }
    }
}

bool PrintEngine::readyForRow(const core::PrinterSettings& settings, JobObserver& observer,
                              JobReport& report) {
    const PortCheck check = sink_.prepare(settings);
    if (check.kind == PortCheck::Kind::SerialSetUp) {
        observer.setUpConfirmed(check);
        sink_.confirmSetUp();
        return true;
    }
    if (check.kind == PortCheck::Kind::Ready) {
        return true;
    }
    report.end = endOf(check.kind);
    report.check = check;
    return false;
}

bool PrintEngine::printerReady(const core::PrinterSettings& settings, JobObserver& observer,
                               JobReport& report) {
    while (!notAskedAgain(acceptedStatus_)) {
        const StatusCheck check = sink_.askStatus(settings);
        if (check.status.allowsPrinting() || sameState(check.status, acceptedStatus_)) {
            return true;
        }
        // A job cancelled while the printer was asked asks the operator nothing more.
        if (cancelled_) {
            report.end = JobEnd::Cancelled;
            return false;
        }
        const StatusChoice choice = observer.printerNotReady(check);
        if (choice == StatusChoice::PrintAnyway) {
            acceptedStatus_ = check.status;
            return true;
        }
        if (choice == StatusChoice::Cancel) {
            report.end = JobEnd::PrinterNotReady;
            report.status = check;
            return false;
        }
    }
    return true;
}

// "Imprimir assim mesmo" accepts the state the printer is in, not every later one: the
// printer is still asked before each row, and a different fault (paper running out after a
// pause was accepted) asks the operator again. A printer that does not answer, or whose
// buffer stays full, is not asked again in this job, since each asking would hold every
// row for the whole wait.
bool PrintEngine::notAskedAgain(const PrinterStatus& accepted) {
    return accepted.kind == PrinterStatus::Kind::NoAnswer ||
           std::find(accepted.faults.begin(), accepted.faults.end(), PrinterFault::BufferFull) !=
               accepted.faults.end();
}

bool PrintEngine::sameState(const PrinterStatus& status, const PrinterStatus& accepted) {
    return accepted.kind != PrinterStatus::Kind::NotAsked && status.kind == accepted.kind &&
           status.faults == accepted.faults;
}

long long PrintEngine::labelCount(const core::LabelRequest& request) {
    return core::digitsValue(request.line.get(core::item::kQuantity));
}

RowReport PrintEngine::printRow(const JobRow& row, const core::LabelRequest& request) {
    RowReport report;
    report.row = row.row;
    report.labels = labelCount(request);
    const labels::LabelRoutine routine =
        labels::chooseLabelRoutine(request.settings.model(), request.line.labelTypeCode());
    report.hasLayout = routine != nullptr;
    if (routine == nullptr) {
        report.outcome = RowOutcome::Printed;
        return report;
    }
    sink_.beginRow();
    report.channel = labelJob_.send(labels::withLetterCheck(routine, request), request.settings);
    if (report.channel.ok()) {
        sink_.finishRow(report.channel);
    }
    if (report.channel.ok()) {
        report.outcome = RowOutcome::Printed;
    } else {
        report.outcome = cancelled_ ? RowOutcome::Cancelled : RowOutcome::Failed;
    }
    return report;
}

void PrintEngine::passOnWarnings(const ChannelResult& channel, JobObserver& observer) {
    for (const ChannelWarning& warning : channel.warnings) {
        const bool seen = std::any_of(warned_.begin(), warned_.end(), [&](const auto& shown) {
            return shown.title == warning.title && shown.text == warning.text;
        });
        if (!seen) {
            warned_.push_back(warning);
            observer.warning(warning);
        }
    }
}

}  // namespace rotulano::printing
