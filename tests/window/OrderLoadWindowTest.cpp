#include <gtest/gtest.h>

#include <QPushButton>
#include <QTableWidget>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "support/WindowFakes.h"
#include "window/ItemGrid.h"

// The loader as the operator reaches it: through the file chooser and the text change of
// W-NOME-COMPLETO on the real main window.
namespace {

using rotulano::test::headerLine;
using rotulano::test::itemLine;
using rotulano::test::orderFile;
using rotulano::test::TestLine;
using rotulano::test::TestWindow;
using rotulano::window::ItemGrid;
namespace orders = rotulano::orders;

class LoadedWindow : public ::testing::Test {
  protected:
    void SetUp() override { test.open(); }

    QString writeOrder(const std::string& name, const std::string& bytes) {
        rotulano::test::writeBytes(test.dir.file(name), bytes);
        return QString::fromStdString(test.dir.file(name));
    }
    void choose(const QString& path) {
        test.fileDialog.answers = {path};
        test.controls().btSelecionar->click();
    }
    ItemGrid grid() { return ItemGrid(test.controls().tabPedido); }

    TestWindow test;
};

const std::string kThreeItems = orderFile(
    {headerLine(), itemLine('1', "000012"), itemLine('8', "000004"), itemLine('A', "000600")});

TEST_F(LoadedWindow, ChoosingAFileLoadsIt) {
    choose(writeOrder("PEDIDO.txt", kThreeItems));
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_EQ(grid().rowCount(), 3);
    EXPECT_EQ(test.controls().wHeaped->text(), QStringLiteral("004711"));
    EXPECT_EQ(grid().text(2, orders::kColQuantity), QStringLiteral("      4"));
    EXPECT_EQ(grid().record(3), itemLine('A', "000600").str());
    EXPECT_TRUE(test.controls().tabPedido->isColumnHidden(orders::kColRecord - 1));
    EXPECT_FALSE(test.controls().btImprime->isEnabled());
}

TEST_F(LoadedWindow, CancellingTheDialogEmptiesTheWindow) {
    choose(writeOrder("PEDIDO.txt", kThreeItems));
    test.controls().btImprime->setEnabled(true);
    test.fileDialog.answers.clear();
    test.controls().btSelecionar->click();
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_EQ(grid().rowCount(), 0);
    EXPECT_EQ(test.controls().wHearaz->text(), QString());
    EXPECT_EQ(test.controls().wHeacgc->text(), QStringLiteral("00 000 000 0000 00"));
    EXPECT_FALSE(test.controls().btImprime->isEnabled());
}

TEST_F(LoadedWindow, ChoosingTheSameFileAgainReloadsIt) {
    const QString path = writeOrder("PEDIDO.txt", kThreeItems);
    choose(path);
    grid().setText(1, orders::kColSel, QStringLiteral("X"));
    grid().setRowHighlight(1, true);
    choose(path);
    EXPECT_EQ(grid().rowCount(), 3);
    EXPECT_EQ(grid().text(1, orders::kColSel), QString());
    EXPECT_FALSE(grid().isHighlighted(1, orders::kColSel));
}

TEST_F(LoadedWindow, AWarningIsShownOverTheRowsLoadedBeforeTheBadLine) {
    int rowsWhileShown = -1;
    QString orderWhileShown;
    test.messageBox.onShow = [&](const rotulano::test::ShownMessage&) {
        rowsWhileShown = grid().rowCount();
        orderWhileShown = test.controls().wHeaped->text();
    };
    choose(writeOrder("RUIM.txt", orderFile({headerLine(), itemLine('1'), itemLine('2'),
                                             itemLine('3', "00 010")})));
    ASSERT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.messageBox.shown[0].text,
              QStringLiteral("Campo quantidade é inválido ou erro na estrutura do arquivo"));
    EXPECT_EQ(test.messageBox.shown[0].title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(test.messageBox.shown[0].style, 0x30);
    EXPECT_EQ(rowsWhileShown, 2);
    EXPECT_EQ(orderWhileShown, QStringLiteral("004711"));
    EXPECT_EQ(grid().rowCount(), 2);
}

TEST(LoadedWindowInEnglish, ShowsTheEnglishTypeNames) {
    TestWindow test;
    rotulano::test::writeBytes(test.dir.file("CD21PRM.DAT"),
                               "1010110S00000"
                               "2" +
                                   std::string(132, '0'));
    test.open();
    ASSERT_EQ(test.controls().wPrmlingua->selection(), 2);
    rotulano::test::writeBytes(test.dir.file("PEDIDO.txt"),
                               orderFile({headerLine(), itemLine('7'), itemLine('9')}));
    test.controls().wNomeCompleto->setText(QString::fromStdString(test.dir.file("PEDIDO.txt")));
    ItemGrid grid(test.controls().tabPedido);
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.text(1, orders::kColType).trimmed(), QStringLiteral("Announced Adhes"));
    EXPECT_EQ(grid.text(2, orders::kColType).trimmed(), QStringLiteral("Pack"));
}

}  // namespace
