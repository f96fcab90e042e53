#include <gtest/gtest.h>

#include <QSignalSpy>

#include "orders/ItemRow.h"
#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "window/ItemTableModel.h"

// The item model behind TAB-PEDIDO on its own: what each column shows, the marks, the
// quantities and the rows a print job takes.
namespace {

using rotulano::test::itemLine;
using rotulano::test::TestLine;
using rotulano::window::colourFromWindows;
using rotulano::window::ItemTableModel;
namespace orders = rotulano::orders;
using Mark = ItemTableModel::Mark;

const QString kPrinted = QString::fromLatin1("\xD8");

std::vector<orders::ItemRow> rowsOf(const std::vector<std::string>& lines) {
    std::vector<orders::ItemRow> rows;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        rows.emplace_back(lines[i], static_cast<int>(i) + 1, 1);
    }
    return rows;
}

class ItemModel : public ::testing::Test {
  protected:
    ItemModel() {
        palette.setColor(QPalette::Window, QColor(10, 20, 30));
        palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
        palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
        model.setPalette(palette);
    }
    // Rows 1 to `count`: TAG items of 2, 4, 6, ... labels, numbered by their product code.
    void load(int count) {
        std::vector<std::string> lines;
        for (int row = 1; row <= count; ++row) {
            const std::string quantity = std::to_string(1000000 + 2 * row).substr(1);
            lines.push_back(TestLine(itemLine('1', quantity)).at(11, std::to_string(row)));
        }
        model.setItems(rowsOf(lines));
    }
    QVariant data(int row, int column, int role) const {
        return model.index(row - 1, column - 1).data(role);
    }
    std::vector<Mark> marks() const {
        std::vector<Mark> shown;
        for (int row = 1; row <= model.itemCount(); ++row) {
            shown.push_back(model.mark(row));
        }
        return shown;
    }
    std::vector<int> tickedRowNumbers() const {
        std::vector<int> rows;
        for (const auto& row : model.tickedRows()) {
            rows.push_back(row.row);
        }
        return rows;
    }

    QPalette palette;
    ItemTableModel model;
};

struct PictureCase {
    const char* name;
    std::string line;
    int column;
    long long units;
    int decimals;
    const char* shown;
};

class ItemModelPictures : public ItemModel, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(ItemModelPictures, ShowNumbersThroughTheColumnPicture) {
    const PictureCase& c = GetParam();
    model.setItems(rowsOf({c.line}));
    EXPECT_EQ(data(1, c.column, Qt::DisplayRole).toString(), QString::fromLatin1(c.shown));
    EXPECT_EQ(model.text(1, c.column), QString::fromLatin1(c.shown));
    EXPECT_EQ(data(1, c.column, Qt::TextAlignmentRole).toInt(),
              static_cast<int>(Qt::AlignRight | Qt::AlignVCenter));
    const orders::CellValue value = model.cell(1, c.column);
    EXPECT_TRUE(value.isNumber);
    EXPECT_EQ(value.units, c.units);
    EXPECT_EQ(value.decimals, c.decimals);
}

// The pictures themselves are tested with core::formatNumber: here each column uses its own.
INSTANTIATE_TEST_SUITE_P(
    Columns, ItemModelPictures,
    ::testing::Values(
        PictureCase{"Item", itemLine('1'), orders::kColItem, 1, 0, "001"},
        PictureCase{"Quantity", itemLine('1', "001234"), orders::kColQuantity, 1234, 0, "  1.234"},
        PictureCase{"NoQuantity", itemLine('1', "000000"), orders::kColQuantity, 0, 0, "       "},
        PictureCase{"Code", TestLine(itemLine('1')).at(11, "0000000042"), orders::kColCode, 42, 0,
                    "000000 004 2"},
        PictureCase{"PackSize", TestLine(itemLine('9')).at(19, "05"), orders::kColSize, 5, 0, "5"},
        PictureCase{"Price", itemLine('1', "000001", "00000005"), orders::kColPrice, 5, 2,
                    "    ,05"}),
    [](const ::testing::TestParamInfo<PictureCase>& info) { return info.param.name; });

TEST_F(ItemModel, TextCellsShowTheirTextAndHaveNoNumber) {
    load(1);
    EXPECT_EQ(model.text(1, orders::kColDescription),
              QStringLiteral("CAMISETA MANGA CURTA").leftJustified(30));
    EXPECT_FALSE(model.cell(1, orders::kColDescription).isNumber);
    EXPECT_FALSE(data(1, orders::kColDescription, Qt::TextAlignmentRole).isValid());
    EXPECT_EQ(model.text(1, orders::kColSel), QString());
    EXPECT_FALSE(model.cell(1, orders::kColSel).isNumber);
}

TEST_F(ItemModel, TheOrderLineIsKeptByteForByte) {
    std::string line;
    for (int i = 0; i < 300; ++i) {
        line.push_back(static_cast<char>(i % 256));
    }
    line[20] = '\xE9';
    line[21] = '\xC7';
    line[1] = '\xD8';
    model.setItems(rowsOf({line}));
    EXPECT_EQ(model.line(1), line);
    EXPECT_EQ(data(1, orders::kColRecord, Qt::DisplayRole).toString().at(20), QChar(0xE9));
    EXPECT_EQ(model.tickedRows().size(), 0U);
    model.setQuantity(1, 1);  // its bytes read as no labels, and a row of none is not ticked
    model.setTicked(1, true);
    ASSERT_EQ(model.tickedRows().size(), 1U);
    EXPECT_EQ(model.tickedRows().front().line, line);
}

// A quantity is a whole number of labels: the operator's edit is kept as a number and is
// what the print job takes; a number out of range keeps its 6 low-order digits.
TEST_F(ItemModel, AnEditedQuantityIsANumberThatTheJobTakes) {
    load(3);
    const QModelIndex quantity = model.index(1, orders::kColQuantity - 1);
    EXPECT_EQ(quantity.data(Qt::EditRole).toLongLong(), 4);
    EXPECT_TRUE(model.setData(quantity, QVariant::fromValue<qlonglong>(1250), Qt::EditRole));
    EXPECT_EQ(model.quantity(2), 1250);
    EXPECT_EQ(quantity.data(Qt::DisplayRole).toString(), QStringLiteral("  1.250"));
    model.tickAll(true);
    const auto rows = model.tickedRows();
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0].quantity, 2);
    EXPECT_EQ(rows[1].quantity, 1250);
    EXPECT_EQ(rows[2].quantity, 6);
    for (const auto& [given, kept] : std::vector<std::pair<long long, long long>>{
             {-25, 25}, {999999, 999999}, {1234567, 234567}, {0, 0}}) {
        model.setQuantity(3, given);
        EXPECT_EQ(model.quantity(3), kept) << given;
    }
}

TEST_F(ItemModel, OnlyTheQuantityTakesAValue) {
    load(1);
    for (int column = 1; column <= orders::kColumnCount; ++column) {
        SCOPED_TRACE(column);
        const Qt::ItemFlags flags = model.flags(model.index(0, column - 1));
        EXPECT_EQ(flags.testFlag(Qt::ItemIsEditable), column == orders::kColQuantity);
        EXPECT_TRUE(flags.testFlag(Qt::ItemIsEnabled));
        EXPECT_FALSE(flags.testFlag(Qt::ItemIsSelectable));
        if (column != orders::kColQuantity) {
            EXPECT_FALSE(model.setData(model.index(0, column - 1), QStringLiteral("X")));
        }
    }
    EXPECT_FALSE(model.setData(model.index(0, orders::kColQuantity - 1), 5, Qt::DisplayRole));
    EXPECT_EQ(model.quantity(1), 2);
    EXPECT_EQ(model.mark(1), Mark::None);
}

TEST_F(ItemModel, OutsideTheGridNothingIsWrittenOrRead) {
    load(3);
    QSignalSpy changes(&model, &ItemTableModel::dataChanged);
    model.setTicked(0, true);
    model.toggleTick(4);
    model.markPrinted(9);
    model.setQuantity(-1, 5);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(model.text(0, orders::kColSel), QString());
    EXPECT_EQ(model.text(4, orders::kColSel), QString());
    EXPECT_EQ(model.text(1, 12), QString());
    EXPECT_EQ(model.cell(1, 12).units, 0);
    EXPECT_EQ(model.line(7), std::string());
    EXPECT_EQ(model.quantity(4), 0);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_TRUE(model.tickedRows().empty());
}

struct ColourCase {
    unsigned windows;
    QColor colour;
};

class WindowsColours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(WindowsColours, HaveRedInTheLowByte) {
    EXPECT_EQ(colourFromWindows(GetParam().windows), GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(Colours, WindowsColours,
                         ::testing::Values(ColourCase{0x00FFFF, QColor(255, 255, 0)},
                                           ColourCase{0xFF0000, QColor(0, 0, 255)},
                                           ColourCase{0x123456, QColor(0x56, 0x34, 0x12)}));

TEST_F(ItemModel, ATickHighlightsTheWholeRowAndAnUntickGivesBackItsOwnColours) {
    model.setItems(rowsOf({itemLine('1'), TestLine(itemLine('1')).at(196, "AMARELO   ")}));
    QSignalSpy changes(&model, &ItemTableModel::dataChanged);
    model.setTicked(2, true);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes[0][0].toModelIndex(), model.index(1, 0));
    EXPECT_EQ(changes[0][1].toModelIndex(), model.index(1, orders::kColumnCount - 1));
    for (int column = 1; column <= orders::kColumnCount; ++column) {
        EXPECT_EQ(data(2, column, Qt::BackgroundRole).value<QBrush>().color(), QColor(0, 0, 128))
            << column;
        EXPECT_EQ(data(2, column, Qt::ForegroundRole).value<QBrush>().color(), Qt::white) << column;
    }
    EXPECT_EQ(data(1, orders::kColType, Qt::BackgroundRole).value<QBrush>().color(), Qt::white);
    EXPECT_FALSE(data(1, orders::kColType, Qt::ForegroundRole).isValid());

    model.setTicked(2, false);
    EXPECT_EQ(data(2, orders::kColType, Qt::BackgroundRole).value<QBrush>().color(),
              QColor(255, 255, 0));
    for (int column : {orders::kColSel, orders::kColQuantity}) {
        EXPECT_EQ(data(2, column, Qt::BackgroundRole).value<QBrush>().color(), QColor(10, 20, 30));
    }
    EXPECT_FALSE(data(2, orders::kColPrice, Qt::BackgroundRole).isValid());
    EXPECT_FALSE(data(2, orders::kColPrice, Qt::ForegroundRole).isValid());
}

TEST_F(ItemModel, ANewPaletteShowsOnTickedAndPlainRows) {
    load(2);
    model.setTicked(1, true);
    QSignalSpy changes(&model, &ItemTableModel::dataChanged);
    palette.setColor(QPalette::Highlight, QColor(200, 0, 0));
    palette.setColor(QPalette::Window, QColor(1, 2, 3));
    model.setPalette(palette);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(data(1, orders::kColSel, Qt::BackgroundRole).value<QBrush>().color(),
              QColor(200, 0, 0));
    EXPECT_EQ(data(2, orders::kColSel, Qt::BackgroundRole).value<QBrush>().color(),
              QColor(1, 2, 3));
}

TEST_F(ItemModel, MarksShowAsXAndTheSingleByteD8) {
    load(3);
    model.setTicked(1, true);
    model.markPrinted(2);
    EXPECT_EQ(data(1, orders::kColSel, Qt::DisplayRole).toString(), QStringLiteral("X"));
    EXPECT_EQ(data(2, orders::kColSel, Qt::DisplayRole).toString(), kPrinted);
    EXPECT_EQ(kPrinted.toLatin1(), QByteArray("\xD8"));
    EXPECT_EQ(data(3, orders::kColSel, Qt::DisplayRole).toString(), QString());
    // A printed row stays highlighted, as it was when it was ticked.
    EXPECT_EQ(data(2, orders::kColPrice, Qt::BackgroundRole).value<QBrush>().color(),
              QColor(0, 0, 128));
}

TEST_F(ItemModel, PrintedRowsNeverChangeAndNeverGoToAJob) {
    load(6);
    model.markPrinted(2);
    model.markPrinted(5);
    model.tickAll(true);
    EXPECT_EQ(tickedRowNumbers(), (std::vector<int>{1, 3, 4, 6}));
    model.toggleTick(2);
    model.setTicked(5, false);
    model.tickAll(false);
    EXPECT_EQ(marks(), (std::vector<Mark>{Mark::None, Mark::Printed, Mark::None, Mark::None,
                                          Mark::Printed, Mark::None}));
    EXPECT_TRUE(model.tickedRows().empty());
}

TEST_F(ItemModel, RangesTickInEitherOrderAndTheJobTakesThemFromTheTop) {
    load(8);
    model.markPrinted(4);
    model.tickRange(6, 3);
    model.toggleTick(8);
    model.toggleTick(1);
    model.toggleTick(1);
    EXPECT_EQ(tickedRowNumbers(), (std::vector<int>{3, 5, 6, 8}));
    const auto rows = model.tickedRows();
    EXPECT_EQ(rows[1].quantity, 10);
    EXPECT_EQ(rows[3].line, model.line(8));
    EXPECT_NE(rows[3].line, model.line(7));
}

TEST_F(ItemModel, ANewLoadStartsUntickedAndAnEmptyOneEmptiesTheGrid) {
    load(3);
    model.setTicked(1, true);
    model.markPrinted(2);
    QSignalSpy resets(&model, &ItemTableModel::modelReset);
    load(2);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(marks(), (std::vector<Mark>{Mark::None, Mark::None}));
    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), orders::kColumnCount);
}

TEST_F(ItemModel, HeadingsStartAsDesignedAndFollowTheLanguage) {
    EXPECT_EQ(model.headerData(orders::kColDescription - 1, Qt::Horizontal).toString(),
              QStringLiteral("Descrição"));
    EXPECT_EQ(model.headerData(orders::kColSide - 1, Qt::Horizontal).toString(), QString());
    QSignalSpy changes(&model, &ItemTableModel::headerDataChanged);
    EXPECT_TRUE(model.setHeaderData(orders::kColDescription - 1, Qt::Horizontal,
                                    QStringLiteral("Specification")));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(model.headerData(orders::kColDescription - 1, Qt::Horizontal).toString(),
              QStringLiteral("Specification"));
    EXPECT_FALSE(model.setHeaderData(orders::kColumnCount, Qt::Horizontal, QStringLiteral("?")));
    load(2);
    EXPECT_EQ(model.headerData(1, Qt::Vertical).toInt(), 2);
}

}  // namespace
