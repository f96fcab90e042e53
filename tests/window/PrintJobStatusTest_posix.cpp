#include <gtest/gtest.h>

#include "PrintJobTestSupport.h"
#include "core/PrinterSettings.h"
#include "orders/OrderTestLines.h"
#include "printing/PrinterSimulator.h"
#include "support/TestSupport.h"

// The window's print job with a network printer that is asked before each row: a printer
// that is not ready gets the box with its three choices in the interface language, and
// the rows are marked only when their labels went out.
namespace {

using rotulano::test::kPrinted;
using rotulano::test::kTicked;

using rotulano::core::PrinterSettings;
using rotulano::test::PrinterSimulator;
using rotulano::test::PrintJobWindow;
using rotulano::test::settingsRecord;

const std::vector<std::string>& kRows = rotulano::test::threeAdhesives();
const QString kPaperOut = QStringLiteral("está sem etiquetas ou com falha no papel.");

class PrintJobStatus : public ::testing::Test {
  protected:
    void start(int language = 1) {
        settings = settingsRecord(5, 1, 15, false, 2, 3, 'C', language);
        test.printWithPorts(settings, "[LPT1]\ndestino=" + printer.destination() + "\n", kRows);
    }
    std::string row(int number) { return rotulano::test::rowLabelBytes(kRows, number, settings); }
    QString aboutPrinter(const QString& rest) {
        return QStringLiteral("A impressora da porta LPT1 (%1) ")
                   .arg(QString::fromStdString(printer.destination())) +
               rest;
    }

    std::string settings;
    PrinterSimulator printer{PrinterSimulator::Line::Tcp, true};
    PrintJobWindow test;
};

}  // namespace

TEST_F(PrintJobStatus, HealthyPrinterIsAskedBeforeEachRowAndEveryRowIsMarked) {
    ASSERT_TRUE(printer.ready());
    start();
    EXPECT_TRUE(test.messageBox.shown.empty());
    const std::string expected = "~HS" + row(1) + "~HS" + row(2) + "~HS" + row(3);
    EXPECT_EQ(printer.received(expected.size()), expected);
    EXPECT_EQ(test.marks(), std::vector<QString>(3, kPrinted));
}

TEST_F(PrintJobStatus, FaultBetweenRowsShowsTheBoxAndCancelKeepsTheRowsBeforeMarked) {
    ASSERT_TRUE(printer.ready());
    printer.answerNext(PrinterSimulator::zplAnswer());
    printer.answerAlways(PrinterSimulator::zplAnswer("papel"));
    test.messageBox.choices = {2};
    start();
    ASSERT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.messageBox.shown[0].text, aboutPrinter(kPaperOut));
    EXPECT_EQ(test.messageBox.shown[0].title, QStringLiteral("Estado da impressora"));
    EXPECT_EQ(test.messageBox.shown[0].style, 0x30);
    EXPECT_EQ(test.messageBox.choiceButtons[0],
              (QStringList{QStringLiteral("Tentar novamente"),
                           QStringLiteral("Imprimir assim mesmo"), QStringLiteral("Cancelar")}));
    EXPECT_EQ(test.marks(), (std::vector<QString>{kPrinted, kTicked, kTicked}));
    EXPECT_EQ(printer.received(0), "~HS" + row(1) + "~HS");
}

TEST_F(PrintJobStatus, EnglishButtonsAndPrintAnywayPrintsEveryRowInThatState) {
    ASSERT_TRUE(printer.ready());
    printer.answerAlways(PrinterSimulator::zplAnswer("cabeca"));
    test.messageBox.choices = {1};
    start(2);
    ASSERT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.messageBox.shown[0].text,
              aboutPrinter(QStringLiteral("está com a cabeça de impressão aberta.")));
    EXPECT_EQ(test.messageBox.choiceButtons[0],
              (QStringList{QStringLiteral("Try again"), QStringLiteral("Print anyway"),
                           QStringLiteral("Cancel")}));
    const std::string expected = "~HS" + row(1) + "~HS" + row(2) + "~HS" + row(3);
    EXPECT_EQ(printer.received(expected.size()), expected);
    EXPECT_EQ(test.marks(), std::vector<QString>(3, kPrinted));
}

TEST_F(PrintJobStatus, TryAgainAsksAgainBeforeTheSameRow) {
    ASSERT_TRUE(printer.ready());
    printer.answerNext(PrinterSimulator::zplAnswer("pausa"));
    test.messageBox.choices = {0};
    start();
    ASSERT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.messageBox.shown[0].text, aboutPrinter(QStringLiteral("está em pausa.")));
    const std::string expected = "~HS~HS" + row(1) + "~HS" + row(2) + "~HS" + row(3);
    EXPECT_EQ(printer.received(expected.size()), expected);
    EXPECT_EQ(test.marks(), std::vector<QString>(3, kPrinted));
}
