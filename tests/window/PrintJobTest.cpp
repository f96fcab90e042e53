#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTabBar>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "support/TestSupport.h"
#include "window/DisplayField.h"
#include "window/Handlers.h"
#include "window/PageControl.h"
#include "window/PrintJobTestSupport.h"

// The print job as the operator runs it: rows ticked with clicks, the "Impressão" tab,
// BT-IMPRIME; the ports are files, so the test reads what a printer would receive.
namespace {

using rotulano::test::kPrinted;
using rotulano::test::kTicked;

using rotulano::core::PrinterSettings;
using rotulano::test::dataPath;
using rotulano::test::headerLine;
using rotulano::test::itemLine;
using rotulano::test::labelBytes;
using rotulano::test::PrintJobWindow;
using rotulano::test::readBytes;
using rotulano::test::settingsRecord;
using rotulano::test::TestLine;
using rotulano::test::withQuantity;
namespace orders = rotulano::orders;

// The worked example item of the label goldens, with no order number of its own: the
// job writes the loaded order's number (654321, from the header) into it.
TestLine exampleItem(char code, const std::string& colour = "") {
    return TestLine()
        .at(1, std::string("1") + code)
        .at(5, "000003")
        .at(11, "1234567890")
        .at(21, "DESCRICAO DO PRODUTO XYZ")
        .at(51, "00012345")
        .at(78, "REF-FORNEC-0001")
        .at(94, "F95TEXTO")
        .at(136, "TAM")
        .at(139, "GG")
        .at(159, "TEXTO-D6")
        .at(194, "12")
        .at(196, colour)
        .at(206, "00000000")
        .at(214, "COL9-TEXTO")
        .at(231, "COL10-TEXTO");
}

TestLine internalItem(const std::string& product, const std::string& description,
                      const std::string& text1, const std::string& text2,
                      const std::string& text3) {
    return TestLine()
        .at(1, "1A")
        .at(5, "000007")
        .at(11, product)
        .at(21, description)
        .at(36, text1)
        .at(44, text2)
        .at(53, text3);
}

TestLine exampleHeader() {
    return headerLine().at(47, "654321");
}

std::string golden(const std::string& name) {
    const std::string bytes = readBytes(dataPath(name));
    EXPECT_FALSE(bytes.empty()) << name;
    return bytes;
}

class PrintJob : public ::testing::Test {
  protected:
    void start(const std::string& settings, const std::vector<std::string>& lines) {
        test.open(settings);
        test.loadOrder(lines);
        ASSERT_TRUE(test.messageBox.shown.empty());
    }
    void tick(std::initializer_list<int> rows) {
        test.clickPage(1);
        for (int row : rows) {
            test.clickCell(row, orders::kColSel);
        }
    }
    void print() {
        test.clickPage(2);
        test.clickPrint();
    }
    // The labels of a row of the test order, with the quantity the job gives it.
    std::string rowLabels(const std::string& line, const std::string& quantity,
                          const std::string& settings) {
        return labelBytes(withQuantity(line, quantity, "004711"), PrinterSettings(settings));
    }
    const rotulano::window::Controls& c() { return test.controls(); }

    PrintJobWindow test;
};

TEST_F(PrintJob, ThreeTickedRowsGoToAZebraPrinterInGridOrderWithOneClick) {
    start(settingsRecord(5, 1),
          {exampleHeader(), exampleItem('1'), exampleItem('2'), exampleItem('5'),
           internalItem("1020304050", "CAMISETA BASICA", "LOJA0001", "SETOR 012", "AREA0002")});
    tick({4, 1, 2});
    print();
    // The logo once, before the first label that shows it; then each row's labels.
    EXPECT_EQ(test.port("LPT1"), rotulano::test::zplLogoBytes() +
                                     golden("zpl/zpl01_tag_example.zpl") +
                                     golden("zpl/zpl02_small_adhesive.zpl") +
                                     golden("zpl/zplA_internal_quantity7.zpl"));
    EXPECT_EQ(test.marks(), (std::vector<QString>{kPrinted, kPrinted, QString(), kPrinted}));
    EXPECT_EQ(test.platform.sleeps.size(), 1U);
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_EQ(c().tbOpera->page(), 2);
    // The tab strip's focus rests on its tab bar.
    EXPECT_EQ(test.window->focusWidget(), c().tbOpera->tabBar());
    EXPECT_FALSE(c().btImprime->isEnabled());
    EXPECT_EQ(c().wDetqtd->text(), QStringLiteral("       "));
}

TEST_F(PrintJob, ADatamaxPrinterGetsTheBitmapLogoOnceAndTheDplLayouts) {
    start(settingsRecord(1, 2),
          {exampleHeader(), exampleItem('1', "AZUL"), exampleItem('8', "AZUL"),
           exampleItem('5', "AZUL"),
           internalItem("1234500789", "TOALHA ROSTO AZ", "INT-0001", "TXT2-ABCD", "TX3-0003")});
    tick({1, 2, 3, 4});
    print();
    EXPECT_EQ(test.port("LPT2"),
              rotulano::test::dplLogoBytes(1) + golden("dpl/dpl01_tag_example.dpl") +
                  golden("dpl/dpl08_towel.dpl") + golden("dpl/dpl01_offer_code5.dpl") +
                  golden("dpl/dplA_internal_quantity7.dpl"));
    EXPECT_EQ(test.marks(), std::vector<QString>(4, kPrinted));
    EXPECT_EQ(test.platform.sleeps.size(), 2U);
}

// With the pause option each click prints the first row that still holds "X", and each
// job sends the logo again. The option is the saved one, whatever the box shows unsaved.
TEST_F(PrintJob, ThePauseOptionPrintsOneRowPerClick) {
    struct Case {
        bool saved;
        bool boxTicked;
        std::vector<std::size_t> rowsPerClick;
    };
    // The saved option counts; a tick of the box not saved does not change the job.
    for (const Case& option : {Case{true, true, {1, 1, 1}}, Case{false, true, {3}},
                               Case{true, false, {1, 1, 1}}, Case{false, false, {3}}}) {
        SCOPED_TRACE(std::string("saved ") + (option.saved ? "S" : "N") + ", box " +
                     (option.boxTicked ? "ticked" : "unticked"));
        PrintJobWindow window;
        const std::string settings = settingsRecord(5, 1, 15, option.saved);
        const std::vector<std::string> rows = {itemLine('1', "000002"), itemLine('1', "000004"),
                                               itemLine('1', "000001")};
        window.open(settings);
        window.loadOrder({headerLine(), rows[0], rows[1], rows[2]});
        for (int row = 1; row <= 3; ++row) {
            window.clickCell(row, orders::kColSel);
        }
        if (window.controls().wPrmpara->isChecked() != option.boxTicked) {
            window.controls().wPrmpara->click();
        }
        std::string expected;
        std::size_t printed = 0;
        for (std::size_t click = 0; click < option.rowsPerClick.size(); ++click) {
            window.clickPage(2);
            window.clickPrint();
            expected += rotulano::test::zplLogoBytes();
            for (std::size_t n = 0; n < option.rowsPerClick[click]; ++n, ++printed) {
                const std::string quantity = rows[printed].substr(4, 6);
                expected += labelBytes(withQuantity(rows[printed], quantity, "004711"),
                                       PrinterSettings(settings));
            }
            EXPECT_EQ(window.port("LPT1"), expected) << "after click " << click + 1;
            for (std::size_t row = 0; row < 3; ++row) {
                EXPECT_EQ(window.marks()[row], row < printed ? kPrinted : kTicked);
            }
            EXPECT_EQ(window.controls().tbOpera->page(), 2);
        }
        EXPECT_EQ(window.platform.sleeps.size(), option.rowsPerClick.size());
        EXPECT_TRUE(window.messageBox.shown.empty());
    }
}

TEST_F(PrintJob, AfterAPausedRowTheSummaryShowsTheNextOne) {
    start(settingsRecord(5, 1, 15, true),
          {headerLine(), itemLine('1', "000002"), itemLine('2', "000005")});
    tick({1, 2});
    print();
    EXPECT_EQ(c().wEtiqueta->text(), QStringLiteral("Adesiva Pequena").leftJustified(30, u' '));
    EXPECT_EQ(c().wQtdimp->text(), QStringLiteral("      5"));
    EXPECT_EQ(c().wDetqtd->text(), QStringLiteral("      5"));
    EXPECT_TRUE(c().btImprime->isEnabled());
}

// The number of labels comes from the row's quantity: the operator's number, or a number
// out of range kept to its 6 low-order digits without its sign.
TEST_F(PrintJob, TheQuantityCellGivesPositionsFiveToTen) {
    const std::string settings = settingsRecord(5, 1);
    const std::vector<std::string> rows = {itemLine('2', "000010"), itemLine('2', "000010"),
                                           itemLine('2', "000010"), itemLine('2', "000010")};
    start(settings, {headerLine(), rows[0], rows[1], rows[2], rows[3]});
    test.editQuantity(1, QStringLiteral("12"));
    test.items().setQuantity(2, 7);
    test.items().setQuantity(3, -3);
    test.items().setQuantity(4, 1234567);
    tick({1, 2, 3, 4});
    print();
    const std::string sent = test.port("LPT1");
    EXPECT_EQ(sent,
              rowLabels(rows[0], "000012", settings) + rowLabels(rows[1], "000007", settings) +
                  rowLabels(rows[2], "000003", settings) + rowLabels(rows[3], "234567", settings));
    // The order summary label shows the count and the loaded order's number.
    for (const char* shown : {"Qtd.: 0012", "Qtd.: 0007", "Qtd.: 0003", "Pedido: 004711"}) {
        EXPECT_NE(sent.find(shown), std::string::npos) << shown;
    }
}

TEST_F(PrintJob, TheNextPrintBoxShowsTheRowGoingOut) {
    start(settingsRecord(5, 1), {headerLine(), itemLine('2', "000010"), itemLine('9', "000003")});
    std::vector<QString> shown;
    test.platform.onSend = [&] { shown.push_back(c().wEtiqueta->text() + c().wQtdimp->text()); };
    tick({1, 2});
    print();
    EXPECT_EQ(shown, (std::vector<QString>{
                         QStringLiteral("Adesiva Pequena").leftJustified(30, u' ') + "     10",
                         QStringLiteral("Consolidador").leftJustified(30, u' ') + "      3",
                         QStringLiteral("Consolidador").leftJustified(30, u' ') + "      3"}));
}

TEST_F(PrintJob, ARowWithoutALayoutIsMarkedPrintedAndSendsNothing) {
    const std::string settings = settingsRecord(5, 1);
    const std::vector<std::string> rows = {itemLine('2'), itemLine('B'), itemLine('2', "000004")};
    start(settings, {headerLine(), rows[0], rows[1], rows[2]});
    tick({1, 2, 3});
    print();
    EXPECT_EQ(test.port("LPT1"),
              rowLabels(rows[0], "000010", settings) + rowLabels(rows[2], "000004", settings));
    EXPECT_EQ(test.marks(), std::vector<QString>(3, kPrinted));
    EXPECT_TRUE(test.messageBox.shown.empty());
}

TEST_F(PrintJob, AnEmptyGridEndsTheJobAtOnce) {
    start(settingsRecord(5, 1), {headerLine(), itemLine('1')});
    test.items().clear();
    test.clickPage(1);
    rotulano::window::onPrint(test.window->context());
    EXPECT_EQ(c().tbOpera->page(), 2);
    // The tab strip's focus rests on its tab bar.
    EXPECT_EQ(test.window->focusWidget(), c().tbOpera->tabBar());
    EXPECT_EQ(test.platform.sends, 0);
}

TEST_F(PrintJob, TheSavedModelChoosesTheLanguageNotTheModelList) {
    const std::vector<std::string> rows = {itemLine('1'), itemLine('5')};
    struct Case {
        int saved;
        int shown;
        bool zpl;
    };
    for (const Case& model : {Case{4, 6, false}, Case{5, 1, true}, Case{6, 2, true}}) {
        SCOPED_TRACE(model.saved);
        PrintJobWindow window;
        const std::string settings = settingsRecord(model.saved, 1);
        window.open(settings);
        window.loadOrder({headerLine(), rows[0], rows[1]});
        window.controls().wPrmtipoimp->setSelection(model.shown);
        window.clickCell(1, orders::kColSel);
        window.clickCell(2, orders::kColSel);
        window.clickPage(2);
        window.clickPrint();
        const std::string logo =
            model.zpl ? rotulano::test::zplLogoBytes() : rotulano::test::dplLogoBytes(model.saved);
        const std::string sent = window.port("LPT1");
        EXPECT_EQ(
            sent,
            logo +
                labelBytes(withQuantity(rows[0], "000010", "004711"), PrinterSettings(settings)) +
                labelBytes(withQuantity(rows[1], "000010", "004711"), PrinterSettings(settings)));
        EXPECT_EQ(sent.find("^XA") != std::string::npos, model.zpl);
    }
}

}  // namespace
