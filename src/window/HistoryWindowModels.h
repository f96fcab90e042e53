#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "journal/JournalQuery.h"

namespace rotulano::window {

// A job's or a row's time as the operator reads it: "10/12/2026 14:32:05" for the journal's
// "2026-12-10 14:32:05"; a text of another form is shown as it is.
QString shownJournalTime(const std::string& time);

// The History window's list of jobs, one line each: order number, date and time, labels,
// destination (the port and where it led) and outcome. The headings follow the interface
// language; the cells are the journal's data, in Portuguese.
class HistoryJobsModel : public QAbstractTableModel {
  public:
    explicit HistoryJobsModel(bool portuguese, QObject* parent = nullptr);

    void setJobs(std::vector<journal::JobSummary> jobs);
    const std::vector<journal::JobSummary>& jobs() const { return jobs_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    bool portuguese_;
    std::vector<journal::JobSummary> jobs_;
};

// The rows of the job opened: row, item code, label type, labels, state, time, reprint.
class HistoryRowsModel : public QAbstractTableModel {
  public:
    explicit HistoryRowsModel(bool portuguese, QObject* parent = nullptr);

    void setRows(std::vector<journal::HistoryRow> rows);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    bool portuguese_;
    std::vector<journal::HistoryRow> rows_;
};

}  // namespace rotulano::window
