#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "support/TestSupport.h"
#include "window/DisplayField.h"
#include "window/EventTable.h"
#include "window/Handlers.h"
#include "window/PageControl.h"
#include "window/Pictures.h"
#include "window/PrintJobTestSupport.h"

// Ticking rows in the "Sel" column and the summary of the "Impressão" page, driven by
// clicks on the real main window.
namespace {

using rotulano::test::kPrinted;
using rotulano::test::kTicked;

using rotulano::test::headerLine;
using rotulano::test::itemLine;
using rotulano::test::PrintJobWindow;
using rotulano::test::settingsRecord;
namespace orders = rotulano::orders;

const QString kBlank;

// Six items: TAG 10, TAG 10, TAG 4, Adesiva Pequena 3, Adesiva Pequena 3, TAG Toalha 0.
std::vector<std::string> sixItems() {
    return {headerLine(),
            itemLine('1', "000010"),
            itemLine('1', "000010"),
            itemLine('1', "000004"),
            itemLine('2', "000003"),
            itemLine('2', "000003"),
            itemLine('8', "000000")};
}

class Selection : public ::testing::Test {
  protected:
    void SetUp() override {
        test.open(settingsRecord(5, 1));
        test.loadOrder(sixItems());
        ASSERT_TRUE(test.messageBox.shown.empty());
        ASSERT_EQ(test.grid().rowCount(), 6);
    }
    bool rowHighlighted(int row) {
        for (int column = 1; column <= orders::kColumnCount; ++column) {
            if (!test.grid().isHighlighted(row, column)) {
                return false;
            }
        }
        return true;
    }
    bool rowPlain(int row) {
        for (int column = 1; column <= orders::kColumnCount; ++column) {
            if (test.grid().isHighlighted(row, column)) {
                return false;
            }
        }
        return true;
    }
    const rotulano::window::Controls& c() { return test.controls(); }

    PrintJobWindow test;
};

TEST_F(Selection, AClickOnSelTicksTheRowAndASecondOneUnticksIt) {
    test.clickCell(3, orders::kColSel);
    EXPECT_EQ(test.marks(),
              (std::vector<QString>{kBlank, kBlank, kTicked, kBlank, kBlank, kBlank}));
    EXPECT_TRUE(rowHighlighted(3));
    EXPECT_TRUE(rowPlain(2));
    EXPECT_TRUE(rowPlain(4));
    test.clickCell(3, orders::kColSel);
    EXPECT_EQ(test.grid().text(3, orders::kColSel), kBlank);
    EXPECT_TRUE(rowPlain(3));
}

TEST_F(Selection, ClicksOnOtherColumnsChangeNothing) {
    for (int column : {orders::kColItem, orders::kColQuantity, orders::kColCode, orders::kColType,
                       orders::kColDescription, orders::kColSize, orders::kColPrice}) {
        SCOPED_TRACE(column);
        test.clickCell(2, column);
        EXPECT_EQ(test.grid().text(2, orders::kColSel), kBlank);
        EXPECT_TRUE(rowPlain(2));
    }
}

TEST_F(Selection, TheHeadingRowAndCellsOutsideTheGridAreIgnored) {
    for (int row : {0, 7, -1}) {
        SCOPED_TRACE(row);
        rotulano::window::onGridClicked(test.window->context(), row, orders::kColSel, false);
        EXPECT_EQ(test.marks(), std::vector<QString>(6, kBlank));
    }
}

// The event table hands the cell clicked to the handler; a click without a cell ticks
// nothing.
TEST_F(Selection, TheEventTableHandsTheClickedCellToTheHandler) {
    using rotulano::window::CellClick;
    using rotulano::window::FormEvent;
    rotulano::window::EventTable& events = test.window->events();
    const QString grid = QStringLiteral("TAB-PEDIDO");
    EXPECT_TRUE(events.raise(grid, FormEvent::Click, CellClick{3, orders::kColSel, false}));
    EXPECT_EQ(test.marks(),
              (std::vector<QString>{kBlank, kBlank, kTicked, kBlank, kBlank, kBlank}));
    EXPECT_TRUE(events.raise(grid, FormEvent::Click, CellClick{5, orders::kColSel, true}));
    EXPECT_EQ(test.marks(),
              (std::vector<QString>{kBlank, kBlank, kTicked, kTicked, kTicked, kBlank}));
    EXPECT_TRUE(events.raise(grid, FormEvent::Click, CellClick{1, orders::kColItem, false}));
    EXPECT_TRUE(events.raise(grid, FormEvent::Click));
    EXPECT_EQ(test.marks(),
              (std::vector<QString>{kBlank, kBlank, kTicked, kTicked, kTicked, kBlank}));
}

TEST_F(Selection, APrintedRowIgnoresClicks) {
    test.items().markPrinted(4);
    test.clickCell(4, orders::kColSel);
    EXPECT_EQ(test.grid().text(4, orders::kColSel), kPrinted);
    EXPECT_TRUE(rowHighlighted(4));
}

// The summary and the click read the row's mark from the item model, whoever ticked it.
TEST_F(Selection, ARowTickedInTheModelCountsAndAClickUnticksIt) {
    test.items().setTicked(5, true);
    EXPECT_EQ(test.grid().text(5, orders::kColSel), kTicked);
    test.clickPage(2);
    EXPECT_EQ(c().wDetqtd->text(), QStringLiteral("      3"));
    test.clickPage(1);
    test.clickCell(5, orders::kColSel);
    EXPECT_EQ(test.grid().text(5, orders::kColSel), kBlank);
}

TEST_F(Selection, TheImpressaoPageShowsTheFirstTickedRowAndTheTotal) {
    test.clickCell(2, orders::kColSel);
    test.clickCell(5, orders::kColSel);
    test.clickPage(2);
    EXPECT_EQ(c().tbOpera->page(), 2);
    EXPECT_EQ(c().wDetqtd->text(), QStringLiteral("     13"));
    EXPECT_EQ(c().wEtiqueta->text(), QStringLiteral("TAG").leftJustified(30, u' '));
    EXPECT_EQ(rotulano::window::pictureName(c().cmImage2), QStringLiteral("IMG-TAG"));
    EXPECT_EQ(c().wQtdimp->text(), QStringLiteral("     10"));
    EXPECT_TRUE(c().btImprime->isEnabled());
    EXPECT_EQ(test.window->focusWidget(), c().btImprime);
}

// A row of quantity 0 has nothing to print: a click does not tick it, and the Impressão
// page shows no next job.
TEST_F(Selection, ARowOfQuantityZeroIsNotTickedAndDoesNotEnablePrinting) {
    test.clickCell(6, orders::kColSel);
    EXPECT_EQ(test.marks()[5], QString());
    test.clickPage(2);
    EXPECT_EQ(c().wEtiqueta->text().trimmed(), QString());
    EXPECT_EQ(rotulano::window::pictureName(c().cmImage2), QString());
    EXPECT_EQ(c().wDetqtd->text(), QStringLiteral("       "));
    EXPECT_FALSE(c().btImprime->isEnabled());
}

TEST_F(Selection, AYellowItemShowsTheYellowPicture) {
    test.loadOrder({headerLine(), itemLine('1').at(196, "AMARELO   ")});
    test.clickCell(1, orders::kColSel);
    test.clickPage(2);
    EXPECT_EQ(rotulano::window::pictureName(c().cmImage2), QStringLiteral("IMG-TAG-A"));
}

// With nothing ticked, and on leaving the page, the summary is cleared.
TEST_F(Selection, TheSummaryIsClearedWithNothingTickedAndOnLeavingThePage) {
    c().btImprime->setEnabled(true);
    test.clickPage(2);
    EXPECT_FALSE(c().btImprime->isEnabled());
    for (bool ticked : {false, true}) {
        SCOPED_TRACE(ticked ? "page left" : "nothing ticked");
        if (ticked) {
            test.clickPage(1);
            test.clickCell(1, orders::kColSel);
            test.clickPage(2);
            ASSERT_EQ(c().wDetqtd->text(), QStringLiteral("     10"));
            test.clickPage(1);
        }
        EXPECT_EQ(c().wDetqtd->text(), QStringLiteral("       "));
        EXPECT_EQ(c().wQtdimp->text(), QStringLiteral("       "));
        EXPECT_EQ(c().wEtiqueta->text(), QString());
        EXPECT_EQ(rotulano::window::pictureName(c().cmImage2), QString());
    }
}

TEST_F(Selection, TheConfiguracaoPageShowsTheSavedSettingsAgain) {
    c().wPrmtipoimp->setSelection(2);
    c().wPrmportaimp->setSelection(4);
    ASSERT_TRUE(c().btGrava->isEnabled());
    test.clickPage(3);
    EXPECT_EQ(c().wPrmtipoimp->selection(), 5);
    EXPECT_EQ(c().wPrmportaimp->selection(), 1);
    EXPECT_FALSE(c().btGrava->isEnabled());
}

TEST_F(Selection, ATotalAboveSixDigitsIsShownWhole) {
    test.items().setQuantity(1, 999999);
    test.items().setQuantity(2, 999999);
    test.clickCell(1, orders::kColSel);
    test.clickCell(2, orders::kColSel);
    test.clickPage(2);
    EXPECT_EQ(c().wDetqtd->text(), QStringLiteral("    1.999.998"));
    EXPECT_EQ(c().wQtdimp->text(), QStringLiteral("999.999"));
}

TEST_F(Selection, TheOperatorTypesANewQuantity) {
    struct Case {
        const char* typed;
        long long value;
        const char* shown;
    };
    // The editor takes digits only, up to six of them; a 0 is refused (the row keeps 12).
    for (const Case& typed :
         {Case{"12", 12, "     12"}, Case{"0", 12, "     12"}, Case{"-3", 3, "      3"},
          Case{"1234567", 123456, "123.456"}, Case{"999999", 999999, "999.999"}}) {
        SCOPED_TRACE(typed.typed);
        test.editQuantity(3, QString::fromLatin1(typed.typed));
        EXPECT_EQ(test.items().quantity(3), typed.value);
        EXPECT_EQ(test.grid().text(3, orders::kColQuantity), QString::fromLatin1(typed.shown));
    }
    test.editQuantity(3, QStringLiteral("12"));
    test.clickCell(3, orders::kColSel);
    test.clickPage(2);
    EXPECT_EQ(c().wQtdimp->text(), QStringLiteral("     12"));
    EXPECT_EQ(c().wDetqtd->text(), QStringLiteral("     12"));
}

TEST_F(Selection, NoOtherCellCanBeEdited) {
    for (int column = orders::kColSel; column <= orders::kColumnCount; ++column) {
        SCOPED_TRACE(column);
        QWidget* editor = test.openCellEditor(1, column);
        EXPECT_EQ(editor != nullptr, column == orders::kColQuantity);
        if (editor != nullptr) {
            QTest::keyClick(editor, Qt::Key_Escape);
            test.closeEditors();
        }
    }
    EXPECT_EQ(test.items().quantity(1), 10);
    EXPECT_EQ(test.grid().text(1, orders::kColDescription).trimmed(),
              QStringLiteral("CAMISETA MANGA CURTA"));
}

}  // namespace
