#include <gtest/gtest.h>

#include <QTest>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "support/TestSupport.h"
#include "window/PrintJobTestSupport.h"

// What the operator may do with "Quant.": a printed row's count stays what went out, and a
// row of 0 labels is never ticked, typed or printed.
namespace {

using rotulano::test::headerLine;
using rotulano::test::itemLine;
using rotulano::test::kPrinted;
using rotulano::test::kTicked;
using rotulano::test::PrintJobWindow;
using rotulano::test::settingsRecord;
namespace orders = rotulano::orders;

class QuantityRules : public ::testing::Test {
  protected:
    // Rows of 10, 0 and 7 labels, none ticked, on the Seleção page.
    void start() {
        test.open(settingsRecord(5, 1));
        test.loadOrder({headerLine(), itemLine('2', "000010"), itemLine('2', "000000"),
                        itemLine('2', "000007")});
    }
    QModelIndex quantityCell(int row) {
        return test.items().index(row - 1, orders::kColQuantity - 1);
    }

    PrintJobWindow test;
};

TEST_F(QuantityRules, APrintedRowsQuantityCannotBeEdited) {
    start();
    test.clickCell(1, orders::kColSel);
    test.clickPage(2);
    test.clickPrint();
    ASSERT_EQ(test.marks()[0], kPrinted);
    test.clickPage(1);
    EXPECT_EQ(test.openCellEditor(1, orders::kColQuantity), nullptr);
    test.closeEditors();
    EXPECT_FALSE(test.items().setData(quantityCell(1), QVariant::fromValue<qlonglong>(99)));
    EXPECT_EQ(test.items().quantity(1), 10);
    EXPECT_EQ(test.grid().text(1, orders::kColQuantity), QStringLiteral("     10"));
    // The row not printed is still edited.
    test.editQuantity(3, QStringLiteral("12"));
    EXPECT_EQ(test.items().quantity(3), 12);
}

// Typed in the cell, or given to the model as any value whose whole part is 0.
TEST_F(QuantityRules, AQuantityOfZeroLabelsIsRefused) {
    start();
    for (const char* typed : {"0", "000"}) {
        SCOPED_TRACE(typed);
        test.editQuantity(1, QString::fromLatin1(typed));
        EXPECT_EQ(test.items().quantity(1), 10);
        EXPECT_EQ(test.grid().text(1, orders::kColQuantity), QStringLiteral("     10"));
    }
    for (const QVariant& value : {QVariant(0.5), QVariant(-0.9), QVariant::fromValue<qlonglong>(0),
                                  QVariant::fromValue<qlonglong>(1000000)}) {
        SCOPED_TRACE(value.toString().toStdString());
        EXPECT_FALSE(test.items().setData(quantityCell(1), value));
        EXPECT_EQ(test.items().quantity(1), 10);
    }
    EXPECT_TRUE(test.items().setData(quantityCell(1), QVariant(3.7)));
    EXPECT_EQ(test.items().quantity(1), 3);
}

// Neither a click, Space, Shift-click range nor "Selecionar todos" ticks it.
TEST_F(QuantityRules, ARowOfZeroLabelsCannotBeTicked) {
    start();
    test.clickCell(2, orders::kColSel);
    EXPECT_EQ(test.marks()[1], QString());
    test.controls().tabPedido->setFocus();
    test.controls().tabPedido->setCurrentIndex(quantityCell(2));
    QTest::keyClick(test.controls().tabPedido, Qt::Key_Space);
    EXPECT_EQ(test.marks()[1], QString());
    test.controls().menuSelecionarTodos->trigger();
    EXPECT_EQ(test.marks(), (std::vector<QString>{kTicked, QString(), kTicked}));
    test.editQuantity(2, QStringLiteral("5"));
    test.clickCell(2, orders::kColSel);
    EXPECT_EQ(test.marks()[1], kTicked);
}

// A ticked row whose count became 0 by any way stops the job there, with the reason.
TEST_F(QuantityRules, ThePrintJobRefusesARowOfZeroLabels) {
    start();
    test.clickCell(1, orders::kColSel);
    test.clickCell(3, orders::kColSel);
    test.items().setQuantity(3, 0);
    test.clickPage(2);
    test.clickPrint();
    EXPECT_EQ(test.marks(), (std::vector<QString>{kPrinted, QString(), kTicked}));
    ASSERT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.messageBox.shown[0].title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(test.messageBox.shown[0].text,
              QStringLiteral("A linha 3 pede 0 etiquetas e não foi impressa: informe a "
                             "quantidade em \"Quant.\". A impressão parou nesta linha."));
    EXPECT_EQ(test.platform.sends, 1);
}

}  // namespace
