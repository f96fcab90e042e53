#include "window/ItemTableModel.h"

#include <QBrush>

#include "core/Picture.h"
#include "orders/LabelTypeCatalogue.h"

namespace rotulano::window {

namespace {

constexpr char kPrintedByte = '\xD8';
constexpr long long kQuantityModulus = ItemTableModel::kLargestQuantity + 1;

// A number shown through the column's picture; a text column ("X(20)") shows its plain
// digits with the decimal comma.
QString shownNumber(int column, long long units, int decimals) {
    const std::string picture = orders::kColumnDesign[column - 1].picture;
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

// The whole part of a number, without its sign, kept to its 6 low-order digits.
long long labelCount(const orders::CellValue& value) {
    const long long whole = value.units / powerOfTen(value.decimals);
    return (whole < 0 ? -whole : whole) % kQuantityModulus;
}

bool isShownColumn(int column) {
    return column >= 1 && column <= orders::kColumnCount;
}

}  // namespace

QColor colourFromWindows(std::uint32_t windowsColour) {
    return QColor(static_cast<int>(windowsColour & 0xFF),
                  static_cast<int>((windowsColour >> 8) & 0xFF),
                  static_cast<int>((windowsColour >> 16) & 0xFF));
}

ItemTableModel::ItemTableModel(QObject* parent) : QAbstractTableModel(parent) {
    for (const orders::ColumnDesign& column : orders::kColumnDesign) {
        headings_ << QString::fromUtf8(column.heading);
    }
}

QString ItemTableModel::markText(Mark mark) {
    switch (mark) {
        case Mark::Ticked:
            return QStringLiteral("X");
        case Mark::Printed:
            return QString::fromLatin1(&kPrintedByte, 1);
        case Mark::Uncertain:
            return QStringLiteral("?");
        case Mark::Amended:
            return QString(QChar(0x2248));
        case Mark::None:
            break;
    }
    return QString();
}

void ItemTableModel::setItems(const std::vector<orders::ItemRow>& rows) {
    beginResetModel();
    items_.clear();
    items_.reserve(rows.size());
    for (const orders::ItemRow& row : rows) {
        Item item;
        item.line = row.record();
        for (int column = orders::kColSel; column <= orders::kColumnCount; ++column) {
            item.cells[column] = row.cell(column);
        }
        item.quantity = labelCount(row.cell(orders::kColQuantity));
        item.typeColour = colourFromWindows(row.labelType().cellColour);
        items_.push_back(std::move(item));
    }
    endResetModel();
}

void ItemTableModel::showLabelTypesIn(int languageIndex) {
    for (Item& item : items_) {
        const orders::LabelTypeView view =
            orders::rotinaMontaEtq(core::OrderLine(item.line), languageIndex);
        item.cells[orders::kColType] = orders::CellValue::ofText(view.gridText);
    }
    if (!items_.empty()) {
        const int column = orders::kColType - 1;
        emit dataChanged(index(0, column), index(itemCount() - 1, column));
    }
}

const ItemTableModel::Item* ItemTableModel::itemAt(int row) const {
    return row >= 1 && row <= itemCount() ? &items_[static_cast<std::size_t>(row - 1)] : nullptr;
}

ItemTableModel::Item* ItemTableModel::itemAt(int row) {
    return row >= 1 && row <= itemCount() ? &items_[static_cast<std::size_t>(row - 1)] : nullptr;
}

std::string ItemTableModel::line(int row) const {
    const Item* item = itemAt(row);
    return item == nullptr ? std::string() : item->line;
}

orders::CellValue ItemTableModel::cell(int row, int column) const {
    const Item* item = itemAt(row);
    return item == nullptr || !isShownColumn(column) ? orders::CellValue() : cellOf(*item, column);
}

QString ItemTableModel::text(int row, int column) const {
    const Item* item = itemAt(row);
    return item == nullptr || !isShownColumn(column) ? QString() : shown(*item, column);
}

orders::CellValue ItemTableModel::cellOf(const Item& item, int column) {
    switch (column) {
        case orders::kColRecord:
            return orders::CellValue::ofLatin1(item.line);
        case orders::kColSel:
            return orders::CellValue::ofText(markText(item.mark));
        case orders::kColQuantity:
            return orders::CellValue::ofNumber(item.quantity);
        default:
            return item.cells[static_cast<std::size_t>(column)];
    }
}

long long ItemTableModel::quantity(int row) const {
    const Item* item = itemAt(row);
    return item == nullptr ? 0 : item->quantity;
}

void ItemTableModel::setQuantity(int row, long long quantity) {
    if (Item* item = itemAt(row)) {
        item->quantity = labelCount(orders::CellValue::ofNumber(quantity));
        const QModelIndex changed = index(row - 1, orders::kColQuantity - 1);
        emit dataChanged(changed, changed);
    }
}

ItemTableModel::Mark ItemTableModel::mark(int row) const {
    const Item* item = itemAt(row);
    return item == nullptr ? Mark::None : item->mark;
}

void ItemTableModel::setMark(int row, Mark mark) {
    Item* item = itemAt(row);
    if (item == nullptr || item->mark == mark) {
        return;
    }
    item->mark = mark;
    emit dataChanged(index(row - 1, 0), index(row - 1, orders::kColumnCount - 1));
}

// A row of 0 labels has nothing to print: it cannot be ticked.
void ItemTableModel::setTicked(int row, bool ticked) {
    const Item* item = itemAt(row);
    if (item == nullptr || isPrinted(row) || mark(row) == Mark::Uncertain) {
        return;
    }
    if (!ticked) {
        setMark(row, item->rest);
    } else if (quantity(row) != 0) {
        setMark(row, Mark::Ticked);
    }
}

void ItemTableModel::toggleTick(int row) {
    setTicked(row, !isTicked(row));
}

void ItemTableModel::tickRange(int from, int to) {
    const int first = from < to ? from : to;
    const int last = from < to ? to : from;
    for (int row = first; row <= last; ++row) {
        setTicked(row, true);
    }
}

void ItemTableModel::tickAll(bool ticked) {
    for (int row = 1; row <= itemCount(); ++row) {
        setTicked(row, ticked);
    }
}

void ItemTableModel::markPrinted(int row) {
    setMark(row, Mark::Printed);
}

void ItemTableModel::setJournalMark(int row, Mark mark) {
    if (Item* item = itemAt(row)) {
        item->rest = mark == Mark::Amended ? Mark::Amended : Mark::None;
        setMark(row, mark);
    }
}

std::vector<int> ItemTableModel::rowsMarked(Mark mark) const {
    std::vector<int> rows;
    for (int row = 1; row <= itemCount(); ++row) {
        if (this->mark(row) == mark) {
            rows.push_back(row);
        }
    }
    return rows;
}

std::vector<printing::JobRow> ItemTableModel::tickedRows() const {
    std::vector<printing::JobRow> rows;
    for (int row = 1; row <= itemCount(); ++row) {
        if (isTicked(row)) {
            rows.push_back({row, line(row), quantity(row)});
        }
    }
    return rows;
}

void ItemTableModel::setPalette(const QPalette& palette) {
    palette_ = palette;
    if (!items_.empty()) {
        emit dataChanged(index(0, 0), index(itemCount() - 1, orders::kColumnCount - 1));
    }
}

int ItemTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : itemCount();
}

int ItemTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : orders::kColumnCount;
}

QString ItemTableModel::shown(const Item& item, int column) {
    const orders::CellValue value = cellOf(item, column);
    return value.isNumber ? shownNumber(column, value.units, value.decimals) : value.text;
}

// Rows ticked or printed show in the highlight colours; a journal's question mark or an
// amended row's mark alone does not.
bool ItemTableModel::highlighted(const Item& item) {
    return item.mark == Mark::Ticked || item.mark == Mark::Printed;
}

QVariant ItemTableModel::background(const Item& item, int column) const {
    if (highlighted(item)) {
        return palette_.brush(QPalette::Highlight);
    }
    if (column == orders::kColSel || column == orders::kColQuantity) {
        return QBrush(palette_.color(QPalette::Window));
    }
    if (column == orders::kColType) {
        return QBrush(item.typeColour);
    }
    return QVariant();
}

QVariant ItemTableModel::data(const QModelIndex& index, int role) const {
    const int column = index.column() + 1;
    const Item* item = itemAt(index.row() + 1);
    if (item == nullptr || !isShownColumn(column)) {
        return QVariant();
    }
    switch (role) {
        case Qt::DisplayRole:
            return shown(*item, column);
        case Qt::EditRole:
            return column == orders::kColQuantity ? QVariant::fromValue<qlonglong>(item->quantity)
                                                  : QVariant(shown(*item, column));
        case Qt::TextAlignmentRole:
            return cellOf(*item, column).isNumber ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                  : QVariant();
        case Qt::BackgroundRole:
            return background(*item, column);
        case Qt::ForegroundRole:
            return highlighted(*item) ? QVariant(palette_.brush(QPalette::HighlightedText))
                                      : QVariant();
        default:
            return QVariant();
    }
}

// A typed quantity whose label count is 0 (0, 0.5, -0.9) is refused: the row keeps its
// count. A printed row's count is what went out and stays.
bool ItemTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int row = index.row() + 1;
    if (role != Qt::EditRole || index.column() + 1 != orders::kColQuantity ||
        itemAt(row) == nullptr || isPrinted(row) || mark(row) == Mark::Uncertain) {
        return false;
    }
    const long long whole = value.typeId() == QMetaType::Double
                                ? static_cast<long long>(value.toDouble())
                                : value.toLongLong();
    if (labelCount(orders::CellValue::ofNumber(whole)) == 0) {
        return false;
    }
    setQuantity(row, whole);
    return true;
}

Qt::ItemFlags ItemTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    const Mark shown = mark(index.row() + 1);
    const bool editable = index.column() + 1 == orders::kColQuantity && shown != Mark::Printed &&
                          shown != Mark::Uncertain;
    return editable ? Qt::ItemIsEnabled | Qt::ItemIsEditable : Qt::ItemIsEnabled;
}

QVariant ItemTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return section >= 0 && section < headings_.size() ? QVariant(headings_.at(section))
                                                          : QVariant();
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool ItemTableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                   int role) {
    if (orientation != Qt::Horizontal || (role != Qt::EditRole && role != Qt::DisplayRole) ||
        section < 0 || section >= headings_.size()) {
        return false;
    }
    headings_[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

}  // namespace rotulano::window
