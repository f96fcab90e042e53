#include <gtest/gtest.h>

#include <unistd.h>

#include "PrintJobTestSupport.h"
#include "core/PrinterSettings.h"
#include "orders/OrderTestLines.h"
#include "printing/TcpListener.h"
#include "support/TestSupport.h"

// The window's print job with a ports file beside the settings: rows go to the network
// printer the file names, are marked only when it took them, and a printer that goes
// away or a bad file is reported.
namespace {

using rotulano::test::kPrinted;
using rotulano::test::kTicked;

using rotulano::core::PrinterSettings;
using rotulano::test::PrintJobWindow;
using rotulano::test::settingsRecord;
using rotulano::test::TcpListener;

const std::vector<std::string>& kRows = rotulano::test::threeAdhesives();

class PrintJobPortsFile : public ::testing::Test {
  protected:
    void start(const std::string& ports) {
        test.printWithPorts(settingsRecord(5, 1), ports, kRows);
    }
    std::string row(int number) {
        return rotulano::test::rowLabelBytes(kRows, number, settingsRecord(5, 1));
    }
    std::string lpt1() {
        return "[LPT1]\ndestino=tcp://127.0.0.1:" + std::to_string(printer.port()) +
               "\nconsultar-estado=nao";
    }

    TcpListener printer;
    PrintJobWindow test;
};

}  // namespace

TEST_F(PrintJobPortsFile, RowsGoToTheNetworkPrinterOneConnectionEach) {
    ASSERT_TRUE(printer.ready());
    start(lpt1());
    EXPECT_TRUE(test.messageBox.shown.empty());
    EXPECT_EQ(printer.received(3), (std::vector<std::string>{row(1), row(2), row(3)}));
    EXPECT_EQ(test.marks(), std::vector<QString>(3, kPrinted));
    EXPECT_EQ(test.port("LPT1"), "");
}

// The printer closes its listener before it closes row 1's connection, and row 1 counts
// only once the printer has closed it: row 2 can only ever find the port refused.
TEST_F(PrintJobPortsFile, PrinterThatGoesAwayIsNamedWithTheReasonAndTheRowsBeforeStayPrinted) {
    ASSERT_TRUE(printer.ready());
    printer.goAwayAfter(1);
    start(lpt1());
    ASSERT_EQ(test.messageBox.shown.size(), 1U)
        << "marks " << test.marks()[0].toStdString() << test.marks()[1].toStdString()
        << test.marks()[2].toStdString() << ", connections " << printer.accepted();
    EXPECT_EQ(test.messageBox.shown[0].text,
              QStringLiteral("Não foi possível enviar as etiquetas para a porta LPT1 "
                             "(tcp://127.0.0.1:%1): conexão recusada [30].")
                  .arg(printer.port()));
    EXPECT_EQ(test.messageBox.shown[0].title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(test.marks(), (std::vector<QString>{kPrinted, kTicked, kTicked}));
    EXPECT_EQ(printer.received(1), std::vector<std::string>{row(1)});
    EXPECT_EQ(printer.accepted(), 1U);
}

TEST_F(PrintJobPortsFile, BadPortsFileStopsTheJobBeforeAnythingIsSent) {
    start("[LPT1]\ndestino=tcp://impressora:0\n");
    ASSERT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.messageBox.shown[0].text,
              QStringLiteral("Arquivo de portas rotulano-portas.ini, linha 2: "
                             "\"tcp://impressora:0\": endereço de rede inválido (use "
                             "tcp://ENDEREÇO ou tcp://ENDEREÇO:PORTA)."));
    EXPECT_EQ(test.marks(), std::vector<QString>(3, kTicked));
    EXPECT_EQ(test.port("LPT1"), "");
}

// A ports file that is a link to nothing is the file's fault: the job stops with it and the
// usual device of LPT1 gets nothing.
TEST_F(PrintJobPortsFile, BrokenLinkStopsTheJobAndTheUsualDeviceGetsNothing) {
    test.printWithPortsMadeBy(
        settingsRecord(5, 1),
        [](const std::string& path) { ASSERT_EQ(::symlink("nao-existe.ini", path.c_str()), 0); },
        kRows);
    ASSERT_EQ(test.messageBox.shown.size(), 1U);
    EXPECT_EQ(test.messageBox.shown[0].text,
              QStringLiteral("Arquivo de portas rotulano-portas.ini é um link para um arquivo "
                             "que não existe: corrija o link ou apague-o."));
    EXPECT_EQ(test.marks(), std::vector<QString>(3, kTicked));
    EXPECT_EQ(test.port("LPT1"), "");
}
