#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "support/TestSupport.h"
#include "window/PrintJobTestSupport.h"

// Ticking from the keyboard and many rows at once, with printed rows ("Ø") in the order:
// those never change.
namespace {

using rotulano::test::kPrinted;
using rotulano::test::kTicked;

using rotulano::test::headerLine;
using rotulano::test::itemLine;
using rotulano::test::PrintJobWindow;
using rotulano::test::settingsRecord;
namespace orders = rotulano::orders;

const QString kBlank;
using Marks = std::vector<QString>;

class BulkTicking : public ::testing::Test {
  protected:
    // Six items; rows 2 and 5 printed already.
    void SetUp() override {
        test.open(settingsRecord(5, 1));
        std::vector<std::string> lines = {headerLine()};
        for (int i = 0; i < 6; ++i) {
            lines.push_back(itemLine('1', "000002"));
        }
        test.loadOrder(lines);
        ASSERT_EQ(test.grid().rowCount(), 6);
        for (int row : {2, 5}) {
            test.items().markPrinted(row);
        }
        QApplication::setActiveWindow(test.window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(test.window.get()));
        grid()->setFocus();
    }
    rotulano::window::ItemTableView* grid() { return test.controls().tabPedido; }
    bool highlighted(int row) { return test.grid().isHighlighted(row, orders::kColDescription); }
    // The printed rows are as they were: marked and highlighted.
    void expectPrintedRowsKept() {
        for (int row : {2, 5}) {
            EXPECT_EQ(test.marks()[static_cast<std::size_t>(row - 1)], kPrinted) << row;
            EXPECT_TRUE(highlighted(row)) << row;
        }
    }
    void shiftClickSel(int row) {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          test.grid().cellRect(row, orders::kColSel).center());
    }
    void pressSpaceOn(int row, int column) {
        grid()->setCurrentIndex(grid()->model()->index(row - 1, column - 1));
        QTest::keyClick(grid(), Qt::Key_Space);
    }

    PrintJobWindow test;
};

TEST_F(BulkTicking, SelecionarTodosTicksEveryRowNotPrinted) {
    test.clickCell(3, orders::kColSel);
    test.controls().menuSelecionarTodos->trigger();
    EXPECT_EQ(test.marks(), (Marks{kTicked, kPrinted, kTicked, kTicked, kPrinted, kTicked}));
    for (int row : {1, 3, 4, 6}) {
        EXPECT_TRUE(highlighted(row)) << row;
    }
    expectPrintedRowsKept();
}

TEST_F(BulkTicking, LimparSelecaoUnticksEveryRowAndLeavesThePrintedMarks) {
    test.clickCell(1, orders::kColSel);
    test.clickCell(4, orders::kColSel);
    test.controls().menuLimparSelecao->trigger();
    EXPECT_EQ(test.marks(), (Marks{kBlank, kPrinted, kBlank, kBlank, kPrinted, kBlank}));
    EXPECT_FALSE(highlighted(1));
    EXPECT_FALSE(highlighted(4));
    expectPrintedRowsKept();
}

TEST_F(BulkTicking, CtrlATicksAllAndCtrlShiftAClearsFromTheKeyboard) {
    QTest::keyClick(grid(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(test.marks(), (Marks{kTicked, kPrinted, kTicked, kTicked, kPrinted, kTicked}));
    QTest::keyClick(grid(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(test.marks(), (Marks{kBlank, kPrinted, kBlank, kBlank, kPrinted, kBlank}));
    expectPrintedRowsKept();
}

TEST_F(BulkTicking, TheSummaryCountsWhatSelecionarTodosTicked) {
    test.controls().menuSelecionarTodos->trigger();
    test.clickPage(2);
    EXPECT_EQ(test.controls().wDetqtd->text(), QStringLiteral("      8"));
    EXPECT_TRUE(test.controls().btImprime->isEnabled());
}

TEST_F(BulkTicking, SpaceTicksAndUnticksTheCurrentRowFromAnyOfItsCells) {
    pressSpaceOn(3, orders::kColDescription);
    EXPECT_EQ(test.marks(), (Marks{kBlank, kPrinted, kTicked, kBlank, kPrinted, kBlank}));
    EXPECT_TRUE(highlighted(3));
    pressSpaceOn(3, orders::kColPrice);
    EXPECT_EQ(test.marks()[2], kBlank);
    EXPECT_FALSE(highlighted(3));
    pressSpaceOn(5, orders::kColSel);
    expectPrintedRowsKept();
}

TEST_F(BulkTicking, SpaceAfterAClickOnAnyCellTicksThatRow) {
    test.clickCell(4, orders::kColDescription);
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_EQ(test.marks(), (Marks{kBlank, kPrinted, kBlank, kTicked, kPrinted, kBlank}));
    QTest::keyClick(grid(), Qt::Key_Down);
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_EQ(test.marks()[4], kPrinted);
    QTest::keyClick(grid(), Qt::Key_Down);
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_EQ(test.marks(), (Marks{kBlank, kPrinted, kBlank, kTicked, kPrinted, kTicked}));
}

TEST_F(BulkTicking, SpaceWhileAQuantityIsTypedIsPartOfTheTyping) {
    QWidget* editor = test.openCellEditor(4, orders::kColQuantity);
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Space);
    EXPECT_EQ(test.marks()[3], kBlank);
    test.closeEditors();
}

TEST_F(BulkTicking, ShiftClickTicksFromTheLastSelClickedSkippingPrintedRows) {
    test.clickCell(1, orders::kColSel);
    shiftClickSel(6);
    EXPECT_EQ(test.marks(), (Marks{kTicked, kPrinted, kTicked, kTicked, kPrinted, kTicked}));
    expectPrintedRowsKept();
}

TEST_F(BulkTicking, ShiftClickUpwardsTicksTheRangeAndLeavesTheRestAlone) {
    test.clickCell(6, orders::kColSel);
    test.clickCell(6, orders::kColSel);  // unticked again; still the last "Sel" clicked
    shiftClickSel(3);
    EXPECT_EQ(test.marks(), (Marks{kBlank, kPrinted, kTicked, kTicked, kPrinted, kTicked}));
}

TEST_F(BulkTicking, AShiftClickWithNoEarlierClickTicksOneRow) {
    shiftClickSel(4);
    EXPECT_EQ(test.marks(), (Marks{kBlank, kPrinted, kBlank, kTicked, kPrinted, kBlank}));
}

}  // namespace
