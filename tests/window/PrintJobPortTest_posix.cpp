#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QPushButton>

#include "orders/ItemTable.h"
#include "orders/OrderTestLines.h"
#include "printing/LabelFileBytes.h"
#include "support/TestSupport.h"
#include "window/PageControl.h"
#include "window/PrintJobPtyLine_posix.h"
#include "window/PrintJobTestSupport.h"

// The print job's checks of the output port and what the operator is told when labels
// cannot go out: the invalid port, the serial set-up, a failed copy, an unwritable print
// file and a missing logo.
namespace {

using rotulano::test::kPrinted;
using rotulano::test::kTicked;

using rotulano::core::PrinterSettings;
using rotulano::test::headerLine;
using rotulano::test::itemLine;
using rotulano::test::labelBytes;
using rotulano::test::PrintJobWindow;
using rotulano::test::settingsRecord;
using rotulano::test::ShownMessage;
using rotulano::test::withQuantity;
namespace orders = rotulano::orders;

constexpr int kInformation = 0x40;
constexpr int kWarning = 0x30;

const QString kSerialConfirmation =
    QStringLiteral("Configurando Porta Serial, aguarde a impressora avançar e click OK");

const std::vector<std::string>& kRows = rotulano::test::threeAdhesives();

bool sameMessage(const ShownMessage& shown, const QString& text, const QString& title, int style) {
    return shown.text == text && shown.title == title && shown.style == style;
}

// The one message of the job, as the operator saw it.
void expectOnlyMessage(const PrintJobWindow& test, const QString& text, const QString& title,
                       int style) {
    ASSERT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_TRUE(sameMessage(test.messageBox.shown[0], text, title, style))
        << test.messageBox.shown[0].text.toStdString();
}

// The one message of the job: a warning.
void expectOnlyWarning(const PrintJobWindow& test, const QString& text) {
    expectOnlyMessage(test, text, QStringLiteral("ATENÇÃO"), kWarning);
}

// A job stopped before its first label: the port list is shown, with the focus.
void expectEndedOnPortList(PrintJobWindow& test) {
    EXPECT_EQ(test.controls().tbOpera->page(), 3);
    EXPECT_EQ(test.window->focusWidget(), test.controls().wPrmportaimp);
}

class PrintJobPort : public ::testing::Test {
  protected:
    void start(const std::string& settings) {
        settings_ = settings;
        test.open(settings);
        test.loadOrder({headerLine(), kRows[0], kRows[1], kRows[2]});
        ASSERT_TRUE(test.messageBox.shown.empty());
    }
    void tickAll() {
        test.clickPage(1);
        for (int row = 1; row <= 3; ++row) {
            if (test.grid().text(row, orders::kColSel) != kPrinted) {
                test.clickCell(row, orders::kColSel);
            }
        }
    }
    void print() {
        test.clickPage(2);
        test.clickPrint();
    }
    std::string row(int number) { return rotulano::test::rowLabelBytes(kRows, number, settings_); }
    // Nothing sent, every row still ticked.
    void expectNothingSent() {
        EXPECT_EQ(test.platform.sends, 0);
        EXPECT_EQ(test.marks(), std::vector<QString>(3, kTicked));
    }
    void choosePort(int position) {
        test.controls().wPrmportaimp->setCurrentIndex(position - 1);
        emit test.controls().wPrmportaimp->activated(position - 1);
    }

    PrintJobWindow test;
    std::string settings_;
};

TEST_F(PrintJobPort, APortOutsideTheListStopsTheJobBeforeAnythingIsPrinted) {
    for (int port : {0, 7, 99}) {
        SCOPED_TRACE(port);
        PrintJobWindow window;
        window.open(settingsRecord(5, port));
        window.loadOrder({headerLine(), kRows[0], kRows[1]});
        window.clickCell(1, orders::kColSel);
        window.clickCell(2, orders::kColSel);
        window.clickPage(2);
        window.clickPrint();
        expectOnlyMessage(
            window, QStringLiteral("PORTA DE SÁIDA INVÁLIDA !"),
            QStringLiteral("Voce deve configurar uma porta de saída válida antes da impr"),
            kInformation);
        EXPECT_EQ(window.platform.sends, 0);
        EXPECT_TRUE(window.platform.serialOpened.empty());
        EXPECT_EQ(window.marks(), (std::vector<QString>{kTicked, kTicked}));
        expectEndedOnPortList(window);
    }
}

TEST_F(PrintJobPort, AComPortIsSetUpOnceAndConfirmedBeforeTheFirstLabel) {
    start(settingsRecord(5, 4));
    std::size_t sendsWhileConfirming = 99;
    test.messageBox.onShow = [&](const ShownMessage&) {
        sendsWhileConfirming = static_cast<std::size_t>(test.platform.sends);
    };
    test.clickCell(1, orders::kColSel);
    test.clickCell(2, orders::kColSel);
    print();
    expectOnlyMessage(test, kSerialConfirmation, QStringLiteral("Confirmação"), kInformation);
    EXPECT_EQ(sendsWhileConfirming, 0U);
    EXPECT_EQ(test.platform.serialOpened, std::vector<std::string>{test.platform.portFile("COM2")});
    EXPECT_TRUE(test.session().channel.serialPortConfigured);
    EXPECT_EQ(test.port("COM2"), row(1) + row(2));
    EXPECT_EQ(test.marks(), (std::vector<QString>{kPrinted, kPrinted, QString()}));

    // The next job of the same run goes straight to the port.
    tickAll();
    print();
    EXPECT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.platform.serialOpened.size(), 1U);
    EXPECT_EQ(test.port("COM2"), row(1) + row(2) + row(3));
}

TEST_F(PrintJobPort, SavingAnotherComPortSetsItUpAgainAndTheSamePortDoesNot) {
    start(settingsRecord(5, 4));
    test.clickCell(1, orders::kColSel);
    print();
    ASSERT_EQ(test.platform.serialOpened.size(), 1U);

    // The same port saved again: no new set-up.
    test.clickPage(3);
    test.controls().wPrmpara->click();
    test.controls().btGrava->click();
    test.controls().wPrmpara->click();
    test.controls().btGrava->click();
    tickAll();
    test.items().setTicked(3, false);
    print();
    EXPECT_EQ(test.platform.serialOpened.size(), 1U);
    EXPECT_EQ(test.messageBox.shown.size(), 1U);

    // COM3 saved: set up before its first label, with its confirmation.
    test.clickPage(3);
    choosePort(5);
    test.controls().btGrava->click();
    tickAll();
    print();
    EXPECT_EQ(
        test.platform.serialOpened,
        (std::vector<std::string>{test.platform.portFile("COM2"), test.platform.portFile("COM3")}));
    ASSERT_EQ(test.messageBox.shown.size(), 2U);
    EXPECT_EQ(test.messageBox.shown[1].text, kSerialConfirmation);
    EXPECT_EQ(test.port("COM2"), row(1) + row(2));
    EXPECT_EQ(test.port("COM3"), row(3));
}

TEST_F(PrintJobPort, AFailedSerialSetUpPrintsNothingAndIsTriedAgainNextJob) {
    start(settingsRecord(5, 3));
    test.platform.serialStatus = "35";
    tickAll();
    print();
    // The title's trailing blank is not shown.
    expectOnlyMessage(test, QStringLiteral("Verifique se a porta serial é válida"),
                      QStringLiteral("Ocorreu erro [35] ao configurar porta serial"), kInformation);
    expectNothingSent();
    EXPECT_FALSE(test.session().channel.serialPortConfigured);
    expectEndedOnPortList(test);

    test.platform.serialStatus = "00";
    print();
    EXPECT_EQ(test.platform.serialOpened.size(), 2U);
    ASSERT_EQ(test.messageBox.shown.size(), 2U);
    EXPECT_EQ(test.messageBox.shown[1].text, kSerialConfirmation);
    EXPECT_EQ(test.port("COM1"), row(1) + row(2) + row(3));
    EXPECT_EQ(test.marks(), std::vector<QString>(3, kPrinted));
}

// Labels that did not reach the printer are not passed off as printed: the row keeps its
// "X", the rows before it keep their mark, and the next job prints it.
TEST_F(PrintJobPort, ACopyThatFailsLeavesTheRowTickedAndLosesNothing) {
    start(settingsRecord(5, 1));
    test.platform.failingSends = {2};
    tickAll();
    print();
    // The port and the device tried, the status, and what a stall means.
    expectOnlyWarning(test, QStringLiteral("Não foi possível enviar as etiquetas para a porta "
                                           "LPT1 (") +
                                QString::fromStdString(test.platform.portDevice("LPT1")) +
                                QStringLiteral(") [30]. A impressora parou de receber dados. "
                                               "Verifique se está ligada, com papel e "
                                               "etiquetas, e tente novamente."));
    EXPECT_EQ(test.marks(), (std::vector<QString>{kPrinted, kTicked, kTicked}));
    EXPECT_EQ(test.port("LPT1"), row(1));
    expectEndedOnPortList(test);

    print();
    EXPECT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.marks(), std::vector<QString>(3, kPrinted));
    EXPECT_EQ(test.port("LPT1"), row(1) + row(2) + row(3));
}

TEST_F(PrintJobPort, AfterAFailedCopyTheNextJobSendsTheLogoAgain) {
    const std::string settings = settingsRecord(5, 1);
    const std::string tag = itemLine('1', "000002");
    test.open(settings);
    test.loadOrder({headerLine(), tag});
    test.clickCell(1, orders::kColSel);
    test.platform.failingSends = {2};  // the logo goes out, the labels do not
    print();
    EXPECT_EQ(test.marks(), std::vector<QString>{kTicked});
    print();
    const std::string logo = rotulano::test::zplLogoBytes();
    EXPECT_EQ(
        test.port("LPT1"),
        logo + logo + labelBytes(withQuantity(tag, "000002", "004711"), PrinterSettings(settings)));
    EXPECT_EQ(test.marks(), std::vector<QString>{kPrinted});
}

// The print files' folder vanished after the start: the row's print file cannot be made.
TEST_F(PrintJobPort, APrintFileThatCannotBeWrittenIsReportedAndNothingIsSent) {
    start(settingsRecord(5, 2));
    const std::string folder = test.session().channel.tempDir;
    ASSERT_FALSE(folder.empty());
    QDir(QString::fromStdString(folder)).removeRecursively();
    tickAll();
    print();
    expectOnlyWarning(test, QStringLiteral("Não foi possível gravar o arquivo de impressão das "
                                           "etiquetas para a porta LPT2 [35] em ") +
                                QString::fromStdString(folder) +
                                QStringLiteral("09050703.TXT. Verifique a pasta temporária e "
                                               "tente novamente."));
    expectNothingSent();
    expectEndedOnPortList(test);
}

// No folder for the print files could be made: the job says so before anything is sent,
// and makes the folder at the next job once the temporary directory is there.
TEST_F(PrintJobPort, ATemporaryDirectoryThatCannotBeUsedIsToldWhenTheJobStarts) {
    const std::string missing = test.dir.file("no-such-dir") + "/";
    test.platform.tempDirValue = missing;
    start(settingsRecord(5, 2));
    tickAll();
    print();
    expectOnlyWarning(test, QStringLiteral("Não foi possível criar a pasta dos arquivos de "
                                           "impressão em ") +
                                QString::fromStdString(missing) +
                                QStringLiteral(". Verifique a pasta temporária e tente "
                                               "novamente."));
    expectNothingSent();

    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(missing)));
    print();
    EXPECT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.marks(), std::vector<QString>(3, kPrinted));
    EXPECT_EQ(test.port("LPT2"), row(1) + row(2) + row(3));
}

TEST_F(PrintJobPort, AMissingLogoIsToldOnceAndTheLabelsStillGoOut) {
    const std::string settings = settingsRecord(5, 1);
    const std::vector<std::string> tags = {itemLine('1', "000002"), itemLine('8', "000001")};
    test.open(settings);
    std::remove(test.dir.file("LOGOVRDL.GRF").c_str());
    test.loadOrder({headerLine(), tags[0], tags[1]});
    test.clickCell(1, orders::kColSel);
    test.clickCell(2, orders::kColSel);
    print();
    expectOnlyWarning(test, QStringLiteral("Arquivo do logotipo LOGOVRDL.GRF não encontrado: as "
                                           "etiquetas sairão sem o logotipo"));
    EXPECT_EQ(test.marks(), std::vector<QString>(2, kPrinted));
    EXPECT_EQ(test.port("LPT1"),
              labelBytes(withQuantity(tags[0], "000002", "004711"), PrinterSettings(settings)) +
                  labelBytes(withQuantity(tags[1], "000001", "004711"), PrinterSettings(settings)));
    EXPECT_EQ(test.controls().tbOpera->page(), 2);
}

// COM4 as a real serial line: the set-up feeds one empty line, then the labels follow,
// every byte unchanged (no CR LF translation on the line).
TEST_F(PrintJobPort, ASerialLineReceivesTheFeedAndTheLabelsUnchanged) {
    rotulano::test::PrintJobPtyLine line;
    ASSERT_TRUE(line.ready());
    test.platform.lines["COM4"] = line.portSide();
    start(settingsRecord(1, 6));
    tickAll();
    print();
    const std::string expected =
        std::string(rotulano::printing::kRecordEnd) + row(1) + row(2) + row(3);
    EXPECT_EQ(line.received(expected.size()), expected);
    EXPECT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.marks(), std::vector<QString>(3, kPrinted));
}

}  // namespace
