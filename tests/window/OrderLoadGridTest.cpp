#include <gtest/gtest.h>

#include <QTableWidget>

#include "orders/ItemTable.h"
#include "window/ItemGrid.h"

using rotulano::window::colourFromWindows;
using rotulano::window::ItemGrid;
namespace orders = rotulano::orders;

namespace {

class GridCells : public ::testing::Test {
  protected:
    GridCells() : table(0, orders::kColumnCount), grid(&table) { grid.setRowCount(3); }

    QTableWidget table;
    ItemGrid grid;
};

struct PictureCase {
    int column;
    long long units;
    int decimals;
    const char* shown;
};

class GridPictures : public GridCells, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(GridPictures, ShowNumbersThroughTheColumnPicture) {
    const PictureCase& c = GetParam();
    grid.setNumber(2, c.column, c.units, c.decimals);
    EXPECT_EQ(grid.text(2, c.column), QString::fromLatin1(c.shown));
    EXPECT_EQ(table.item(1, c.column - 1)->text(), QString::fromLatin1(c.shown));
    const orders::CellValue value = grid.number(2, c.column);
    EXPECT_TRUE(value.isNumber);
    EXPECT_EQ(value.units, c.units);
    EXPECT_EQ(value.decimals, c.decimals);
}

// The pictures themselves are tested with core::formatNumber: here each column uses its own.
INSTANTIATE_TEST_SUITE_P(Columns, GridPictures,
                         ::testing::Values(PictureCase{orders::kColItem, 1, 0, "001"},
                                           PictureCase{orders::kColQuantity, 1234, 0, "  1.234"},
                                           PictureCase{orders::kColQuantity, 0, 0, "       "},
                                           PictureCase{orders::kColCode, 42, 0, "000000 004 2"},
                                           PictureCase{orders::kColSize, 5, 0, "5"},
                                           PictureCase{orders::kColPrice, 5, 2, "    ,05"}));

TEST_F(GridCells, IntegerValueDropsDecimalsAndSign) {
    grid.setNumber(1, orders::kColPrice, 1990, 2);
    EXPECT_EQ(grid.integerValue(1, orders::kColPrice), 19);
    grid.setNumber(1, orders::kColQuantity, -25);
    EXPECT_EQ(grid.integerValue(1, orders::kColQuantity), 25);
    grid.setNumber(1, orders::kColQuantity, 999999);
    EXPECT_EQ(grid.integerValue(1, orders::kColQuantity), 999999);
}

TEST_F(GridCells, TextCellsHaveNoNumber) {
    grid.setNumber(3, orders::kColDescription, 77);
    grid.setText(3, orders::kColDescription, QStringLiteral("CAMISETA"));
    EXPECT_EQ(grid.text(3, orders::kColDescription), QStringLiteral("CAMISETA"));
    EXPECT_EQ(grid.number(3, orders::kColDescription).units, 0);
    EXPECT_EQ(grid.text(1, orders::kColSel), QString());
    EXPECT_EQ(grid.number(1, orders::kColQuantity).units, 0);
}

TEST_F(GridCells, RecordColumnRoundTripsEveryByte) {
    std::string line;
    for (int i = 0; i < 300; ++i) {
        line.push_back(static_cast<char>(i % 256));
    }
    line[20] = '\xE9';
    line[21] = '\xC7';
    line[1] = '\xD8';
    grid.setRecord(2, line);
    EXPECT_EQ(grid.record(2), line);
    EXPECT_EQ(grid.text(2, orders::kColRecord).at(20), QChar(0xE9));
}

TEST_F(GridCells, OutsideTheGridNothingIsWrittenOrRead) {
    grid.setText(0, 2, QStringLiteral("X"));
    grid.setText(4, 2, QStringLiteral("X"));
    grid.setNumber(1, 12, 5);
    grid.setRowHighlight(9, true);
    EXPECT_EQ(grid.text(0, 2), QString());
    EXPECT_EQ(grid.text(4, 2), QString());
    EXPECT_EQ(grid.number(1, 12).units, 0);
    EXPECT_EQ(grid.record(7), std::string());
    EXPECT_EQ(table.rowCount(), 3);
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

TEST_F(GridCells, HighlightCoversTheRowAndGivesBackTheOwnColours) {
    const QColor yellow(255, 255, 0);
    grid.setBackground(2, orders::kColType, yellow);
    grid.setRowHighlight(2, true);
    const QBrush highlight = table.palette().brush(QPalette::Highlight);
    for (int column = 1; column <= orders::kColumnCount; ++column) {
        EXPECT_TRUE(grid.isHighlighted(2, column)) << column;
        EXPECT_EQ(table.item(1, column - 1)->background(), highlight) << column;
    }
    EXPECT_FALSE(grid.isHighlighted(1, orders::kColType));
    EXPECT_EQ(grid.background(2, orders::kColType), yellow);

    grid.setRowHighlight(2, false);
    EXPECT_FALSE(grid.isHighlighted(2, orders::kColType));
    EXPECT_EQ(table.item(1, orders::kColType - 1)->background().color(), yellow);
    EXPECT_EQ(table.item(1, orders::kColPrice - 1)->background().style(), Qt::NoBrush);
}

TEST_F(GridCells, ColourSetWhileHighlightedShowsAfterTheHighlight) {
    grid.setRowHighlight(3, true);
    grid.setBackground(3, orders::kColSel, Qt::lightGray);
    EXPECT_EQ(table.item(2, orders::kColSel - 1)->background(),
              table.palette().brush(QPalette::Highlight));
    grid.setRowHighlight(3, false);
    EXPECT_EQ(table.item(2, orders::kColSel - 1)->background().color(), QColor(Qt::lightGray));
}

TEST_F(GridCells, CellsAreReadOnly) {
    grid.setText(1, orders::kColSel, QString());
    const Qt::ItemFlags flags = table.item(0, orders::kColSel - 1)->flags();
    EXPECT_FALSE(flags.testFlag(Qt::ItemIsEditable));
    EXPECT_FALSE(flags.testFlag(Qt::ItemIsSelectable));
}

}  // namespace
