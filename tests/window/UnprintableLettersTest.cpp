#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "support/TestSupport.h"
#include "window/LabelPreviewWindow.h"
#include "window/PrintJobTestSupport.h"

// A letter of the order that the printer has no byte for (the euro sign of an order
// typed on Windows) prints as "?": the print job says so once for the whole job, and
// the label preview lists it among the job's warnings.
namespace {

using rotulano::test::kPrinted;

using rotulano::core::PrinterSettings;
using rotulano::test::headerLine;
using rotulano::test::itemLine;
using rotulano::test::labelBytes;
using rotulano::test::PrintJobWindow;
using rotulano::test::settingsRecord;
using rotulano::test::withQuantity;
namespace orders = rotulano::orders;

const QString kWarningText = QStringLiteral(
    "O pedido tem caracteres que a impressora não imprime (página de código 850): eles saem "
    "como \"?\" nas etiquetas");

// A small adhesive (no logo) whose description ends in a euro sign.
std::string euroItem(const std::string& quantity) {
    std::string line = itemLine('2', quantity);
    line.replace(20, 22, "CAMISETA MANGA CURTA \x80");
    return line;
}

class UnprintableLetters : public ::testing::Test {
  protected:
    void SetUp() override {
        test.open(settings);
        test.loadOrder({headerLine(), rows[0], rows[1]});
        ASSERT_TRUE(test.messageBox.shown.empty());
        test.clickCell(1, orders::kColSel);
        test.clickCell(2, orders::kColSel);
    }

    const std::string settings = settingsRecord(5, 1);
    const std::vector<std::string> rows = {euroItem("000004"), euroItem("000006")};
    PrintJobWindow test;
};

TEST_F(UnprintableLetters, ThePrintJobSaysSoOnceAndPrintsEveryRow) {
    test.clickPage(2);
    test.clickPrint();
    ASSERT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.messageBox.shown[0].text, kWarningText);
    EXPECT_EQ(test.messageBox.shown[0].title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(test.messageBox.shown[0].style, 0x30);
    EXPECT_EQ(test.marks(), std::vector<QString>(2, kPrinted));
    const std::string port = test.port("LPT1");
    EXPECT_EQ(port,
              labelBytes(withQuantity(rows[0], "000004", "004711"), PrinterSettings(settings)) +
                  labelBytes(withQuantity(rows[1], "000006", "004711"), PrinterSettings(settings)));
    EXPECT_NE(port.find("^FDCAMISETA MANGA CURTA ?        ^FS"), std::string::npos);
}

TEST_F(UnprintableLetters, ThePreviewListsItWithTheJobsWarnings) {
    QTest::mouseClick(test.controls().btVisualiza, Qt::LeftButton);
    QWidget* shown = rotulano::test::shownPreview(test.window.get());
    ASSERT_NE(shown, nullptr);
    auto* list = shown->findChild<QListWidget*>(QStringLiteral("W-AVISOS"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), kWarningText);
    EXPECT_TRUE(test.messageBox.shown.empty());
}

}  // namespace
