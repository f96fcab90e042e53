#include "journal/JournalRecorder.h"

#include <QString>

#include "journal/OrderJournal.h"
#include "printing/PrintEngine.h"

namespace rotulano::journal {

namespace {

constexpr std::size_t kItemCodeStart = 10;  // positions 11-20
constexpr std::size_t kItemCodeLength = 10;
constexpr std::size_t kLabelTypePosition = 1;  // position 2

}  // namespace

std::string latin1ToUtf8(const std::string& latin1) {
    const QString text = QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
    int end = static_cast<int>(text.size());
    while (end > 0 && text.at(end - 1) == QLatin1Char(' ')) {
        --end;
    }
    return text.left(end).toStdString();
}

RowEntry rowEntryOf(const std::string& orderLine, int row, long long labels) {
    RowEntry entry;
    entry.row = row;
    entry.labels = labels;
    if (orderLine.size() > kItemCodeStart) {
        entry.itemCode = latin1ToUtf8(orderLine.substr(kItemCodeStart, kItemCodeLength));
    }
    if (orderLine.size() > kLabelTypePosition) {
        entry.labelType = latin1ToUtf8(orderLine.substr(kLabelTypePosition, 1));
    }
    return entry;
}

RowState stateOfRow(const printing::RowReport& report) {
    if (report.outcome == printing::RowOutcome::Printed) {
        return RowState::Printed;
    }
    return report.channel.bytesWritten ? RowState::MaybePartly : RowState::NotSent;
}

JournalRecorder::JournalRecorder(Journal& journal, JobEntry job, std::map<int, RowState> earlier,
                                 Tell tell)
    : journal_(journal),
      job_(std::move(job)),
      earlier_(std::move(earlier)),
      tell_(std::move(tell)) {}

void JournalRecorder::failed() {
    recording_ = false;
    if (!told_) {
        told_ = true;
        tell_(journal_.message());
    }
}

void JournalRecorder::jobStarted(const printing::JobRequest&) {
    told_ = false;
    outcomePending_ = false;
    recording_ = journal_.startJob(job_, jobId_);
    if (!recording_) {
        failed();
    }
}

void JournalRecorder::rowSending(const printing::JobRow& row, long long labels) {
    if (!recording_) {
        return;
    }
    RowEntry entry = rowEntryOf(row.line, row.row, labels);
    const auto earlier = earlier_.find(row.row);
    entry.reprint = earlier != earlier_.end() && earlier->second != RowState::NotSent;
    const RowOutcomeEntry* previous = outcomePending_ ? &outcome_ : nullptr;
    outcomePending_ = false;
    if (!journal_.rowSending(jobId_, entry, previous, rowId_, orderLineSha256(row.line))) {
        failed();
    }
}

void JournalRecorder::rowOutcome(const printing::RowReport& report) {
    if (!recording_) {
        return;
    }
    outcome_ = {rowId_, stateOfRow(report)};
    outcomePending_ = true;
    if (report.outcome == printing::RowOutcome::Printed) {
        earlier_[report.row] = RowState::Printed;
    }
}

void JournalRecorder::jobEnded(const printing::JobReport&) {
    if (!recording_) {
        return;
    }
    std::vector<RowOutcomeEntry> outcomes;
    if (outcomePending_) {
        outcomes.push_back(outcome_);
    }
    outcomePending_ = false;
    if (!journal_.endJob(jobId_, outcomes)) {
        failed();
    }
}

}  // namespace rotulano::journal
