#include "window/HistoryWindowModels.h"

#include <QDateTime>
#include <iterator>

#include "journal/HistoryText.h"

namespace rotulano::window {

namespace {

struct Heading {
    const char* portuguese;
    const char* english;
};

const Heading kJobHeadings[] = {{"Pedido", "Order"},
                                {"Data e hora", "Date and time"},
                                {"Etiquetas", "Labels"},
                                {"Destino", "Destination"},
                                {"Situação", "Outcome"}};
enum JobColumn { kJobOrder, kJobTime, kJobLabels, kJobDestination, kJobOutcome };

const Heading kRowHeadings[] = {
    {"Linha", "Row"},          {"Código do item", "Item code"}, {"Tipo de etiqueta", "Label type"},
    {"Etiquetas", "Labels"},   {"Situação", "State"},           {"Hora", "Time"},
    {"Reimpressão", "Reprint"}};
enum RowColumn { kRowNumber, kRowItem, kRowType, kRowLabels, kRowState, kRowTime, kRowReprint };

QString utf8(const std::string& text) {
    return QString::fromStdString(text);
}

QVariant heading(const Heading& heading, bool portuguese, Qt::Orientation orientation, int role) {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return QString::fromUtf8(portuguese ? heading.portuguese : heading.english);
}

// The port and, when it leads elsewhere, where: "LPT1 (tcp://10.0.0.5:9100)".
QString destinationOf(const journal::JobEntry& entry) {
    if (entry.destination.empty() || entry.destination == entry.port) {
        return utf8(entry.port);
    }
    return utf8(entry.port + " (" + entry.destination + ")");
}

QVariant jobCell(const journal::JobSummary& summary, int column) {
    switch (column) {
        case kJobOrder:
            return utf8(summary.job.entry.orderNumber);
        case kJobTime:
            return shownJournalTime(summary.job.started);
        case kJobLabels:
            return summary.labels;
        case kJobDestination:
            return destinationOf(summary.job.entry);
        case kJobOutcome:
            return QString::fromUtf8(journal::outcomeText(journal::jobOutcome(summary)));
        default:
            return {};
    }
}

QVariant rowCell(const journal::HistoryRow& row, int column) {
    switch (column) {
        case kRowNumber:
            return row.row;
        case kRowItem:
            return utf8(row.itemCode);
        case kRowType:
            return utf8(row.labelType);
        case kRowLabels:
            return row.labels;
        case kRowState:
            return QString::fromUtf8(journal::stateText(row.state));
        case kRowTime:
            return shownJournalTime(row.stateTime);
        case kRowReprint:
            return QString::fromUtf8(row.reprint ? "sim" : "não");
        default:
            return {};
    }
}

QVariant alignment(bool number) {
    return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
}

}  // namespace

QString shownJournalTime(const std::string& time) {
    const QDateTime parsed =
        QDateTime::fromString(utf8(time), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return parsed.isValid() ? parsed.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) : utf8(time);
}

HistoryJobsModel::HistoryJobsModel(bool portuguese, QObject* parent)
    : QAbstractTableModel(parent), portuguese_(portuguese) {}

void HistoryJobsModel::setJobs(std::vector<journal::JobSummary> jobs) {
    beginResetModel();
    jobs_ = std::move(jobs);
    endResetModel();
}

int HistoryJobsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(jobs_.size());
}

int HistoryJobsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::size(kJobHeadings));
}

QVariant HistoryJobsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return alignment(index.column() == kJobLabels);
    }
    return role == Qt::DisplayRole ? jobCell(jobs_[index.row()], index.column()) : QVariant();
}

QVariant HistoryJobsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section < 0 || section >= columnCount()) {
        return {};
    }
    return heading(kJobHeadings[section], portuguese_, orientation, role);
}

HistoryRowsModel::HistoryRowsModel(bool portuguese, QObject* parent)
    : QAbstractTableModel(parent), portuguese_(portuguese) {}

void HistoryRowsModel::setRows(std::vector<journal::HistoryRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int HistoryRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int HistoryRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::size(kRowHeadings));
}

QVariant HistoryRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return alignment(index.column() == kRowNumber || index.column() == kRowLabels);
    }
    return role == Qt::DisplayRole ? rowCell(rows_[index.row()], index.column()) : QVariant();
}

QVariant HistoryRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section < 0 || section >= columnCount()) {
        return {};
    }
    return heading(kRowHeadings[section], portuguese_, orientation, role);
}

}  // namespace rotulano::window
