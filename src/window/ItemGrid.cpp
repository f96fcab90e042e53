#include "window/ItemGrid.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableWidget>

#include "core/Picture.h"
#include "orders/ItemTable.h"

namespace rotulano::window {

namespace {

// Room above and below the line of a row, and the characters "Descrição" always shows.
constexpr int kRowPadding = 6;
constexpr int kDescriptionCharacters = 30;

// Data kept in each cell beside the text shown.
constexpr int kUnitsRole = Qt::UserRole;
constexpr int kDecimalsRole = Qt::UserRole + 1;
constexpr int kOwnBackgroundRole = Qt::UserRole + 2;
constexpr int kHighlightRole = Qt::UserRole + 3;

std::string columnPicture(int column) {
    if (column < 1 || column > orders::kColumnCount) {
        return std::string();
    }
    return orders::kColumnDesign[column - 1].picture;
}

// A number shown through the column's picture; a text column ("X(20)") shows its plain
// digits with the decimal comma.
QString shownNumber(int column, long long units, int decimals) {
    const std::string picture = columnPicture(column);
    if (picture.find_first_of("9Z") != std::string::npos) {
        return QString::fromLatin1(core::formatNumber(picture, units, decimals));
    }
    QString digits = QString::number(units < 0 ? -units : units).rightJustified(decimals + 1, u'0');
    if (decimals > 0) {
        digits.insert(digits.size() - decimals, u',');
    }
    return digits;
}

long long powerOfTen(int exponent) {
    long long value = 1;
    for (int i = 0; i < exponent; ++i) {
        value *= 10;
    }
    return value;
}

}  // namespace

QColor colourFromWindows(std::uint32_t windowsColour) {
    return QColor(static_cast<int>(windowsColour & 0xFF),
                  static_cast<int>((windowsColour >> 8) & 0xFF),
                  static_cast<int>((windowsColour >> 16) & 0xFF));
}

int ItemGrid::rowCount() const {
    return table_->rowCount();
}

void ItemGrid::setRowCount(int rows) {
    table_->setRowCount(rows < 0 ? 0 : rows);
}

int ItemGrid::columnCount() const {
    return table_->columnCount();
}

void ItemGrid::fitToContent() {
    const QFontMetrics metrics(table_->font());
    QHeaderView* rows = table_->verticalHeader();
    rows->setMinimumSectionSize(metrics.height());
    rows->setDefaultSectionSize(metrics.height() + kRowPadding);
    for (int column = 1; column <= columnCount(); ++column) {
        if (!table_->isColumnHidden(column - 1)) {
            table_->resizeColumnToContents(column - 1);
        }
    }
    const int description = orders::kColDescription - 1;
    const int thirty = metrics.horizontalAdvance(QString(kDescriptionCharacters, u'N'));
    if (table_->columnWidth(description) < thirty) {
        table_->setColumnWidth(description, thirty);
    }
}

QTableWidgetItem* ItemGrid::cell(int row, int column) {
    if (row < 1 || row > table_->rowCount() || column < 1 || column > table_->columnCount()) {
        return nullptr;
    }
    QTableWidgetItem* item = table_->item(row - 1, column - 1);
    if (item == nullptr) {
        item = new QTableWidgetItem();
        // Cells are read-only and not selectable: a click only ticks (column 2). The
        // "Quant." cell alone takes the operator's number of labels.
        item->setFlags(column == orders::kColQuantity ? Qt::ItemIsEnabled | Qt::ItemIsEditable
                                                      : Qt::ItemIsEnabled);
        table_->setItem(row - 1, column - 1, item);
    }
    return item;
}

const QTableWidgetItem* ItemGrid::cellAt(int row, int column) const {
    if (row < 1 || row > table_->rowCount() || column < 1 || column > table_->columnCount()) {
        return nullptr;
    }
    return table_->item(row - 1, column - 1);
}

void ItemGrid::setRecord(int row, const std::string& line) {
    setText(row, orders::kColRecord,
            QString::fromLatin1(line.data(), static_cast<int>(line.size())));
}

std::string ItemGrid::record(int row) const {
    return text(row, orders::kColRecord).toLatin1().toStdString();
}

void ItemGrid::setText(int row, int column, const QString& text) {
    if (QTableWidgetItem* item = cell(row, column)) {
        item->setText(text);
        item->setData(kUnitsRole, QVariant());
        item->setData(kDecimalsRole, QVariant());
    }
}

QString ItemGrid::text(int row, int column) const {
    const QTableWidgetItem* item = cellAt(row, column);
    return item == nullptr ? QString() : item->text();
}

void ItemGrid::setNumber(int row, int column, long long units, int decimals) {
    if (QTableWidgetItem* item = cell(row, column)) {
        item->setText(shownNumber(column, units, decimals));
        item->setData(kUnitsRole, QVariant::fromValue<qlonglong>(units));
        item->setData(kDecimalsRole, decimals);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

orders::CellValue ItemGrid::number(int row, int column) const {
    const QTableWidgetItem* item = cellAt(row, column);
    if (item == nullptr || !item->data(kUnitsRole).isValid()) {
        return orders::CellValue::ofNumber(0);
    }
    return orders::CellValue::ofNumber(item->data(kUnitsRole).toLongLong(),
                                       item->data(kDecimalsRole).toInt());
}

long long ItemGrid::integerValue(int row, int column) const {
    const orders::CellValue value = number(row, column);
    const long long whole = value.units / powerOfTen(value.decimals);
    return whole < 0 ? -whole : whole;
}

void ItemGrid::setCell(int row, int column, const orders::CellValue& value) {
    if (value.isNumber) {
        setNumber(row, column, value.units, value.decimals);
    } else {
        setText(row, column, value.text);
    }
}

void ItemGrid::setBackground(int row, int column, const QColor& colour) {
    if (QTableWidgetItem* item = cell(row, column)) {
        item->setData(kOwnBackgroundRole, colour);
        paintBackground(item);
    }
}

QColor ItemGrid::background(int row, int column) const {
    const QTableWidgetItem* item = cellAt(row, column);
    return item == nullptr ? QColor() : item->data(kOwnBackgroundRole).value<QColor>();
}

void ItemGrid::paintBackground(QTableWidgetItem* item) const {
    const QPalette& palette = table_->palette();
    if (item->data(kHighlightRole).toBool()) {
        item->setBackground(palette.brush(QPalette::Highlight));
        item->setForeground(palette.brush(QPalette::HighlightedText));
        return;
    }
    const QVariant own = item->data(kOwnBackgroundRole);
    item->setData(Qt::BackgroundRole,
                  own.isValid() ? QVariant(QBrush(own.value<QColor>())) : QVariant());
    item->setData(Qt::ForegroundRole, QVariant());
}

void ItemGrid::setRowHighlight(int row, bool highlighted) {
    for (int column = 1; column <= columnCount(); ++column) {
        if (QTableWidgetItem* item = cell(row, column)) {
            item->setData(kHighlightRole, highlighted);
            paintBackground(item);
        }
    }
}

bool ItemGrid::isHighlighted(int row, int column) const {
    const QTableWidgetItem* item = cellAt(row, column);
    return item != nullptr && item->data(kHighlightRole).toBool();
}

}  // namespace rotulano::window
