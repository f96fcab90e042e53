#include "window/HistoryWindow.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "core/FileSaver.h"
#include "core/FileStatusTitles.h"
#include "core/MessageRequest.h"
#include "core/PathKind.h"
#include "core/ShownBytes.h"
#include "core/SystemPath.h"
#include "journal/HistoryText.h"
#include "journal/JournalMessages.h"
#include "window/HistoryWindowModels.h"

namespace rotulano::window {

namespace {

const QString kWindowName = QStringLiteral("CP21HIS");

struct Caption {
    const char* portuguese;
    const char* english;
};

const Caption kTitle = {"Histórico", "History"};
const Caption kOrder = {"Pedido", "Order"};
const Caption kFrom = {"De", "From"};
const Caption kTo = {"Até", "To"};
const Caption kExport = {"Exportar CSV", "Export CSV"};
const Caption kClose = {"Fechar", "Close"};

const char* const kNothingRecorded = "Nenhuma impressão registrada ainda.";
const char* const kNoJobKept = "Nenhum trabalho com estes filtros.";
const char* const kSuggestedCsv = "historico.csv";

QString caption(const Caption& caption, bool portuguese) {
    return QString::fromUtf8(portuguese ? caption.portuguese : caption.english);
}

std::string exportFailure(const std::string& path, const core::FileStatus& status) {
    return "Não foi possível gravar o arquivo " + core::shownBytes(path) + " [" + status +
           "]: " + core::fileStatusCause(status) + ".";
}

QTableView* tableView(const QString& name, QAbstractItemModel* model) {
    auto* view = new QTableView;
    view->setObjectName(name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->setWordWrap(false);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

// A day of the filter, shown as the operator writes dates.
QDateEdit* dayField(const QString& name) {
    auto* field = new QDateEdit(QDate::currentDate());
    field->setObjectName(name);
    field->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    field->setCalendarPopup(true);
    field->setEnabled(false);
    return field;
}

QPushButton* button(const QString& name, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    // Enter in the list of jobs opens a job; it must not press a button of the window.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

HistoryWindow::HistoryWindow(std::string journalPath, bool portuguese, Services services,
                             QWidget* parent)
    : QDialog(parent),
      journalPath_(std::move(journalPath)),
      portuguese_(portuguese),
      services_(services) {
    setObjectName(kWindowName);
    setWindowTitle(caption(kTitle, portuguese));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildFilters());
    layout->addWidget(buildTables(), 1);
    notice_ = new QLabel;
    notice_->setObjectName(QStringLiteral("W-HIST-AVISO"));
    notice_->setWordWrap(true);
    layout->addWidget(notice_);
    layout->addLayout(buildButtons());
    resize(760, 520);
    readJournal();
}

HistoryWindow::~HistoryWindow() = default;

HistoryWindow* HistoryWindow::open(QWidget* parent, std::string journalPath, bool portuguese,
                                   Services services) {
    if (auto* shown = parent->findChild<HistoryWindow*>(kWindowName); shown != nullptr) {
        shown->raise();
        shown->activateWindow();
        return shown;
    }
    auto* window = new HistoryWindow(std::move(journalPath), portuguese, services, parent);
    window->QDialog::open();
    return window;
}

QLayout* HistoryWindow::buildFilters() {
    auto* orderCaption = new QLabel(caption(kOrder, portuguese_));
    orderCaption->setObjectName(QStringLiteral("W-HIST-PEDIDO-ROTULO"));
    orderField_ = new QLineEdit;
    orderField_->setObjectName(QStringLiteral("W-HIST-PEDIDO"));
    orderField_->setMaxLength(6);
    orderField_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    orderCaption->setBuddy(orderField_);
    fromOn_ = new QCheckBox(caption(kFrom, portuguese_));
    fromOn_->setObjectName(QStringLiteral("W-HIST-DE-LIGADO"));
    from_ = dayField(QStringLiteral("W-HIST-DE"));
    toOn_ = new QCheckBox(caption(kTo, portuguese_));
    toOn_->setObjectName(QStringLiteral("W-HIST-ATE-LIGADO"));
    to_ = dayField(QStringLiteral("W-HIST-ATE"));

    connect(orderField_, &QLineEdit::textChanged, this, &HistoryWindow::showJobs);
    for (auto [on, day] : {std::pair{fromOn_, from_}, std::pair{toOn_, to_}}) {
        connect(on, &QCheckBox::toggled, day, &QWidget::setEnabled);
        connect(on, &QCheckBox::toggled, this, &HistoryWindow::showJobs);
        connect(day, &QDateEdit::dateChanged, this, &HistoryWindow::showJobs);
    }
    auto* filters = new QHBoxLayout;
    for (QWidget* control :
         std::initializer_list<QWidget*>{orderCaption, orderField_, fromOn_, from_, toOn_, to_}) {
        filters->addWidget(control);
    }
    filters->addStretch();
    return filters;
}

QWidget* HistoryWindow::buildTables() {
    jobs_ = new HistoryJobsModel(portuguese_, this);
    rows_ = new HistoryRowsModel(portuguese_, this);
    jobsView_ = tableView(QStringLiteral("TAB-HIST-TRABALHOS"), jobs_);
    rowsView_ = tableView(QStringLiteral("TAB-HIST-LINHAS"), rows_);
    connect(jobsView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &HistoryWindow::openJob);
    // The job chosen shows its rows at once; double-click or Enter takes the operator to
    // them.
    connect(jobsView_, &QAbstractItemView::activated, rowsView_, [this] { rowsView_->setFocus(); });
    auto* tables = new QSplitter(Qt::Vertical);
    tables->addWidget(jobsView_);
    tables->addWidget(rowsView_);
    return tables;
}

QLayout* HistoryWindow::buildButtons() {
    exportButton_ = button(QStringLiteral("BT-HIST-EXPORTAR"), caption(kExport, portuguese_));
    connect(exportButton_, &QPushButton::clicked, this, &HistoryWindow::exportCsv);
    QPushButton* close = button(QStringLiteral("BT-FECHAR"), caption(kClose, portuguese_));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exportButton_);
    buttons->addWidget(close);
    return buttons;
}

// A journal not made yet means that nothing was printed here yet; any other that cannot be
// read is said so, and the window stays empty.
void HistoryWindow::readJournal() {
    if (core::pathKindOf(journalPath_) == core::PathKind::Missing) {
        tell(kNothingRecorded);
    } else if (!journal_.openForReading(journalPath_)) {
        tell(journal_.message());
    } else {
        readable_ = true;
        showJobs();
    }
    exportButton_->setEnabled(readable_);
}

journal::HistoryFilter HistoryWindow::shownFilter() const {
    journal::HistoryFilter filter;
    const std::string order = orderField_->text().toStdString();
    if (!order.empty()) {
        filter.orderNumber = journal::keptOrderNumber(order);
    }
    if (fromOn_->isChecked()) {
        filter.firstDay = from_->date().toString(Qt::ISODate).toStdString();
    }
    if (toOn_->isChecked()) {
        filter.lastDay = to_->date().toString(Qt::ISODate).toStdString();
    }
    return filter;
}

void HistoryWindow::showJobs() {
    if (!readable_) {
        return;
    }
    std::vector<journal::JobSummary> jobs;
    const bool read = journal::listJobs(journal_.database(), shownFilter(), jobs);
    rows_->setRows({});
    jobs_->setJobs(std::move(jobs));
    if (!read) {
        tell(journal::journalMessages::notRead(journalPath_, journal_.database().lastError()));
        return;
    }
    jobsView_->resizeColumnsToContents();
    tell(jobs_->jobs().empty() ? kNoJobKept : "");
    if (!jobs_->jobs().empty()) {
        jobsView_->setCurrentIndex(jobs_->index(0, 0));
    }
}

// A job's rows are read only when it is opened: a year of entries never loads at once.
void HistoryWindow::openJob(const QModelIndex& index) {
    if (!index.isValid() || index.row() >= static_cast<int>(jobs_->jobs().size())) {
        rows_->setRows({});
        return;
    }
    journal::HistoryJob job = jobs_->jobs()[static_cast<std::size_t>(index.row())].job;
    if (!journal::readJobRows(journal_.database(), job)) {
        tell(journal::journalMessages::notRead(journalPath_, journal_.database().lastError()));
    }
    rows_->setRows(std::move(job.rows));
    rowsView_->resizeColumnsToContents();
}

void HistoryWindow::exportCsv() {
    QString chosen = QString::fromUtf8(kSuggestedCsv);
    if (!services_.fileDialog.chooseSaveFile(chosen, caption(kExport, portuguese_),
                                             QStringLiteral("CSV (*.csv)"))) {
        return;
    }
    std::vector<journal::HistoryJob> jobs;
    if (!journal::readHistory(journal_.database(), shownFilter(), jobs)) {
        warn(journal::journalMessages::notRead(journalPath_, journal_.database().lastError()));
        return;
    }
    const std::string path = core::pathFromQt(chosen);
    const core::FileStatus status = core::FileSaver::save(path, journal::historyCsv(jobs));
    if (status != core::kStatusOk) {
        warn(exportFailure(path, status));
    }
}

void HistoryWindow::warn(const std::string& text) {
    services_.messageBox.show(QString::fromStdString(text), QStringLiteral("ATENÇÃO"),
                              core::kStyleWarning);
}

void HistoryWindow::tell(const std::string& text) {
    notice_->setText(QString::fromStdString(text));
    notice_->setVisible(!text.empty());
}

}  // namespace rotulano::window
