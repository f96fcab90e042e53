#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QPalette>
#include <QStringList>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "orders/CellValue.h"
#include "orders/ItemRow.h"
#include "orders/ItemTable.h"
#include "printing/PrintEngine.h"

namespace rotulano::window {

// The grid's colour of a Windows colour value (red in the low byte, blue in the high).
QColor colourFromWindows(std::uint32_t windowsColour);

// The items of the grid TAB-PEDIDO: for each row its order line, its number of labels and
// whether it is ticked or printed, with what the other columns show. The ticking, the
// selection summary, the label preview and the print job read and change the rows here;
// the grid only shows them.
//
// The item functions number rows from 1 and columns as orders::ItemColumn does (column 1
// the hidden order line), as the handlers count them; a row or column outside the grid is
// read as blank and never written. Qt's own indexes count both from 0.
class ItemTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // Blank; "X" ticked for printing; "Ø" (the single byte 0xD8) printed, cannot be
    // ticked again. From the print journal: "?" possibly printed, cannot be ticked until the
    // operator says; "≈" a line of an amended order printed before, ticked like a blank row.
    enum class Mark { None, Ticked, Printed, Uncertain, Amended };

    static constexpr long long kLargestQuantity = 999999;

    explicit ItemTableModel(QObject* parent = nullptr);

    // The text the "Sel" column shows for a mark.
    static QString markText(Mark mark);

    // The loaded order's item rows, none ticked; an empty list empties the grid.
    void setItems(const std::vector<orders::ItemRow>& rows);
    void clear() { setItems({}); }
    int itemCount() const { return static_cast<int>(items_.size()); }

    // The label-type column in the language of W-PRMLINGUA's selection `languageIndex`.
    void showLabelTypesIn(int languageIndex);

    // The row's 300-byte order line, as loaded.
    std::string line(int row) const;
    // What a shown column holds: a text, or a number with its implied decimals.
    orders::CellValue cell(int row, int column) const;
    // What a column shows: its text, or its number through the column's picture.
    QString text(int row, int column) const;

    // The number of labels of a row ("Quant."), a whole number from 0 to 999999. A number
    // out of that range keeps its 6 low-order digits, without its sign.
    long long quantity(int row) const;
    void setQuantity(int row, long long quantity);

    Mark mark(int row) const;
    bool isTicked(int row) const { return mark(row) == Mark::Ticked; }
    bool isPrinted(int row) const { return mark(row) == Mark::Printed; }

    // Ticks a row ("X", the whole row highlighted) or unticks it. A printed row never
    // changes; a row of 0 labels is never ticked.
    void setTicked(int row, bool ticked);
    // A click on "Sel" (or Space on the row): ticks the row, or unticks a ticked one.
    void toggleTick(int row);
    // Ticks every row from `from` to `to`, in either order; printed rows are left alone.
    void tickRange(int from, int to);
    // Ticks or unticks every row; printed rows are left alone.
    void tickAll(bool ticked);
    // The row's labels have left the program: "Ø", still highlighted.
    void markPrinted(int row);
    // What the print journal says of a row: Printed, Uncertain, Amended, or None (an
    // ordinary row). An Amended row shows its mark again when unticked.
    void setJournalMark(int row, Mark mark);
    // The rows that show `mark`, from the top.
    std::vector<int> rowsMarked(Mark mark) const;

    // The ticked rows from the top, as the print job takes them: row number, order line
    // and number of labels. Where the next job starts, what the selection summary adds up
    // and what the label preview shows.
    std::vector<printing::JobRow> tickedRows() const;

    // The colours of the grid: a ticked or printed row shows in its highlight colours,
    // "Sel" and "Quant." in its window colour.
    void setPalette(const QPalette& palette);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // "Quant." alone takes a value: the operator's number of labels (Qt::EditRole), never
    // one whose label count is 0, never on a printed row.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Every cell is read-only and not selectable, so that a click only ticks; "Quant."
    // alone is editable, until its row is printed.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // The headings follow the interface language.
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

  private:
    struct Item {
        std::string line;
        std::array<orders::CellValue, orders::kColumnCount + 1> cells;  // by design column
        long long quantity = 0;
        QColor typeColour;
        Mark mark = Mark::None;
        Mark rest = Mark::None;  // what an unticked row shows: None or Amended
    };

    const Item* itemAt(int row) const;
    Item* itemAt(int row);
    void setMark(int row, Mark mark);
    static orders::CellValue cellOf(const Item& item, int column);
    static QString shown(const Item& item, int column);
    static bool highlighted(const Item& item);
    QVariant background(const Item& item, int column) const;

    std::vector<Item> items_;
    QStringList headings_;
    QPalette palette_;
};

}  // namespace rotulano::window
