#pragma once

#include <QDialog>
#include <string>

#include "journal/Journal.h"
#include "journal/JournalQuery.h"
#include "window/FileDialogService.h"
#include "window/MessageBoxService.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTableView;

namespace rotulano::window {

class HistoryJobsModel;
class HistoryRowsModel;

// The History window CP21HIS, opened from the Arquivo menu: the print journal's jobs,
// newest first, kept to one order number and to a range of days when the operator asks;
// the job chosen shows its rows below, read only then. "Exportar CSV" writes the jobs that
// the filters keep, with their rows, as rotulano-render --history --format csv writes
// them. The journal is only read. Captions follow the interface language; the journal's
// data and the messages are Portuguese.
class HistoryWindow : public QDialog {
    Q_OBJECT

  public:
    struct Services {
        MessageBoxService& messageBox;
        FileDialogService& fileDialog;
    };

    HistoryWindow(std::string journalPath, bool portuguese, Services services,
                  QWidget* parent = nullptr);
    ~HistoryWindow() override;

    // Shows the window over `parent`, modal, without waiting for it to close; one already
    // open is brought to the front instead.
    static HistoryWindow* open(QWidget* parent, std::string journalPath, bool portuguese,
                               Services services);

  private:
    QLayout* buildFilters();
    QWidget* buildTables();
    QLayout* buildButtons();
    void readJournal();
    journal::HistoryFilter shownFilter() const;
    void showJobs();
    void openJob(const QModelIndex& index);
    void exportCsv();
    void warn(const std::string& text);
    // The line under the lists: why they are empty, or nothing.
    void tell(const std::string& text);

    std::string journalPath_;
    bool portuguese_;
    Services services_;
    journal::Journal journal_;
    bool readable_ = false;  // the journal is open and its jobs could be listed
    QLineEdit* orderField_ = nullptr;
    QCheckBox* fromOn_ = nullptr;
    QDateEdit* from_ = nullptr;
    QCheckBox* toOn_ = nullptr;
    QDateEdit* to_ = nullptr;
    QTableView* jobsView_ = nullptr;
    QTableView* rowsView_ = nullptr;
    HistoryJobsModel* jobs_ = nullptr;
    HistoryRowsModel* rows_ = nullptr;
    QLabel* notice_ = nullptr;
    QPushButton* exportButton_ = nullptr;
};

}  // namespace rotulano::window
