#include <gtest/gtest.h>

#include "RenderProcessFixture.h"
#include "printing/PrinterSimulator.h"
#include "printing/PtyPair.h"
#include "printing/TcpListener.h"

namespace rotulano::test {
namespace {

// ZPL model on LPT1: rows 1 and 2 of the sample order, logo download included.
constexpr int kModel = 5;
const std::vector<int> kRows = {1, 2};

std::string joined(const std::vector<std::string>& pieces) {
    std::string all;
    for (const std::string& piece : pieces) {
        all += piece;
    }
    return all;
}

class RenderSendTest : public RenderProcessTest {
  protected:
    RenderRun send(const QStringList& more) {
        return runSample(
            writeSettings(kModel),
            QStringList{QStringLiteral("--rows"), QStringLiteral("1,2"), QStringLiteral("--send")} +
                more);
    }
    std::string expectedRows() const {
        return expectedJob(sampleItems(), kRows, settingsRecord(kModel), samplePath(""));
    }
    const std::string progress =
        kTag + "linha 1 enviada (1 de 2)\n" + kTag + "linha 2 enviada (2 de 2)\n";
};

// How the network printer is named: the --port destination itself, or the ports file's
// entry for the saved port or for the port --port names.
struct TcpCase {
    const char* name;
    const char* portOption;  // "%1" stands for the destination; empty: no --port
    const char* portsEntry;  // "[NAME]" of the ports file; empty: no --ports
};

class RenderSendTcpTest : public RenderSendTest, public ::testing::WithParamInterface<TcpCase> {};

TEST_P(RenderSendTcpTest, NetworkPrinterGetsEachRowOnItsOwnConnection) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    const std::string destination = "tcp://127.0.0.1:" + std::to_string(printer.port());
    QStringList more;
    if (*GetParam().portOption) {
        const QString port = qs(GetParam().portOption);
        more << QStringLiteral("--port")
             << (port.contains(QStringLiteral("%1")) ? port.arg(qs(destination)) : port);
    }
    if (*GetParam().portsEntry) {
        writeBytes(work("portas.ini"),
                   std::string(GetParam().portsEntry) + "\ndestino=" + destination + "\n");
        more << QStringLiteral("--ports") << qs(work("portas.ini"));
    }
    // This printer does not answer status queries.
    more << QStringLiteral("--no-status");
    const RenderRun result = send(more);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, progress);
    const std::vector<std::string> received = printer.received(2);
    ASSERT_EQ(received.size(), 2U);
    EXPECT_EQ(joined(received), expectedRows());
    EXPECT_TRUE(tempDirEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Destinations, RenderSendTcpTest,
    ::testing::Values(TcpCase{"PortGivesTheDestination", "%1", ""},
                      TcpCase{"PortsFileEntryOfTheSavedPort", "", "[LPT1]"},
                      TcpCase{"PortNameLookedUpInThePortsFile", "lpt2", "[LPT2]"}),
    [](const ::testing::TestParamInfo<TcpCase>& info) { return std::string(info.param.name); });

TEST_F(RenderSendTest, PrinterAskedBeforeEachRowGetsTheQueryThenTheRow) {
    PrinterSimulator printer(PrinterSimulator::Line::Tcp, true);
    ASSERT_TRUE(printer.ready());
    const RenderRun result = send({QStringLiteral("--port"), qs(printer.destination())});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, progress);
    const std::string rows = expectedRows();
    const std::string received = printer.received(rows.size() + 6);
    EXPECT_EQ(printer.queries(), 2);
    // The query goes before each row; without the two queries the bytes are the job's.
    ASSERT_EQ(received.rfind("~HS", 0), 0U);
    std::string withoutQueries = received;
    for (std::size_t at; (at = withoutQueries.find("~HS")) != std::string::npos;) {
        withoutQueries.erase(at, 3);
    }
    EXPECT_EQ(withoutQueries, rows);
}

struct NotReadyCase {
    const char* name;
    std::string answer;
    const char* message;  // after "A impressora da porta LPT1 (DESTINATION) "
};

class RenderSendNotReadyTest : public RenderSendTest,
                               public ::testing::WithParamInterface<NotReadyCase> {};

TEST_P(RenderSendNotReadyTest, EndsWithStatusSixAndNoLabelByte) {
    PrinterSimulator printer(PrinterSimulator::Line::Tcp, true);
    ASSERT_TRUE(printer.ready());
    printer.answerAlways(GetParam().answer);
    writeBytes(work("portas.ini"), "[LPT1]\ndestino=" + printer.destination() + "\n");
    const RenderRun result = send({QStringLiteral("--ports"), qs(work("portas.ini"))});
    EXPECT_EQ(result.exitCode, 6);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, kTag + "A impressora da porta LPT1 (" + printer.destination() + ") " +
                              GetParam().message + "\n");
    EXPECT_EQ(printer.received(3), "~HS");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, RenderSendNotReadyTest,
    ::testing::Values(NotReadyCase{"PaperOut", PrinterSimulator::zplAnswer("papel"),
                                   "está sem etiquetas ou com falha no papel."},
                      NotReadyCase{"Garbled", "?\r\n",
                                   "deu uma resposta não reconhecida à consulta de estado. "
                                   "Confira se o modelo de impressora da configuração é o dela."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RenderSendTest, NoStatusSendsTheRowsToAPrinterInFaultWithoutAsking) {
    PrinterSimulator printer(PrinterSimulator::Line::Tcp, true);
    ASSERT_TRUE(printer.ready());
    printer.answerAlways(PrinterSimulator::zplAnswer("papel"));
    writeBytes(work("portas.ini"), "[LPT1]\ndestino=" + printer.destination() + "\n");
    const RenderRun result =
        send({QStringLiteral("--ports"), qs(work("portas.ini")), QStringLiteral("--no-status")});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(printer.received(expectedRows().size()), expectedRows());
    EXPECT_EQ(printer.queries(), 0);
}

TEST_F(RenderSendTest, SerialLineGetsTheBytesUnchanged) {
    PtyPair line;
    if (!line.ready()) {
        GTEST_SKIP() << "socat is not installed: no pseudo-terminal pair";
    }
    const RenderRun result = send({QStringLiteral("--port"), qs(line.portSide())});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, progress);
    EXPECT_EQ(line.received(expectedRows().size()), expectedRows());
    EXPECT_TRUE(tempDirEmpty());
}

// A COM port whose entry is a device gets the serial set-up once, without a box, and
// then the rows with the line's settings.
TEST_F(RenderSendTest, SerialPortOfThePortsFileIsSetUpWithoutABox) {
    PtyPair line;
    if (!line.ready()) {
        GTEST_SKIP() << "socat is not installed: no pseudo-terminal pair";
    }
    writeBytes(work("portas.ini"),
               "[COM1]\ndestino=" + line.portSide() + "\nvelocidade=9600\nparidade=nenhuma\n");
    const RenderRun result =
        runSample(writeSettings(kModel, "03"),
                  {QStringLiteral("--rows"), QStringLiteral("1,2"), QStringLiteral("--send"),
                   QStringLiteral("--ports"), qs(work("portas.ini"))});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, progress);
    // The set-up writes one empty record (the printer feeds), then the rows follow.
    const std::string expected =
        "\r\n" + expectedJob(sampleItems(), kRows, settingsRecord(kModel, "03"), samplePath(""));
    EXPECT_EQ(line.received(expected.size()), expected);
}

TEST_F(RenderSendTest, SerialSetUpFailureEndsWithStatusFive) {
    writeBytes(work("portas.ini"), "[COM1]\ndestino=" + work("nao-existe") + "\n");
    const RenderRun result =
        runSample(writeSettings(kModel, "03"),
                  {QStringLiteral("--send"), QStringLiteral("--ports"), qs(work("portas.ini"))});
    EXPECT_EQ(result.exitCode, 5);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, kTag +
                              "Ocorreu erro [35] ao configurar porta serial: Verifique se a "
                              "porta serial é válida\n");
    EXPECT_FALSE(QFile::exists(qs(work("nao-existe"))));
    EXPECT_TRUE(tempDirEmpty());
}

TEST_F(RenderSendTest, RefusedConnectionStopsTheJobWithStatusFive) {
    int port = 0;
    {
        TcpListener gone;
        ASSERT_TRUE(gone.ready());
        port = gone.port();
    }
    const std::string destination = "tcp://127.0.0.1:" + std::to_string(port);
    const RenderRun result = send({QStringLiteral("--port"), qs(destination)});
    EXPECT_EQ(result.exitCode, 5);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, kTag + "Não foi possível enviar as etiquetas para a porta LPT1 (" +
                              destination + "): conexão recusada [30].\n");
    EXPECT_TRUE(tempDirEmpty());
}

TEST_F(RenderSendTest, PortsFileNamedButMissingOrBadEndsWithStatusThree) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    writeBytes(work("ruim.ini"), "[LPT1]\ndestino=ftp://127.0.0.1\n");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {work("nenhum.ini"), "Arquivo de portas " + work("nenhum.ini") + " não encontrado."},
        {work("ruim.ini"), "Arquivo de portas " + work("ruim.ini") +
                               ", linha 2: \"ftp://127.0.0.1\": destino inválido (use um "
                               "dispositivo como /dev/ttyUSB0, tcp://ENDEREÇO[:PORTA] ou "
                               "cups://FILA)."}};
    for (const auto& [path, message] : cases) {
        // The row would go to the test's own listener, never to the machine's printer.
        const RenderRun result =
            send({QStringLiteral("--ports"), qs(path), QStringLiteral("--port"),
                  qs("tcp://127.0.0.1:" + std::to_string(printer.port()))});
        EXPECT_EQ(result.exitCode, 3) << path;
        EXPECT_EQ(result.err, kTag + message + "\n");
    }
    EXPECT_EQ(printer.accepted(), 0U);
}

TEST_F(RenderSendTest, SendingOptionsOutOfPlaceEndWithStatusOne) {
    const std::vector<std::pair<QStringList, std::string>> cases = {
        {{"--port", "LPT1"}, "A opção --port só vale com --send"},
        {{"--ports", "portas.ini"}, "A opção --ports só vale com --send"},
        {{"--send", "-o", "saida.prn"},
         "A opção --send não combina com -o: as etiquetas vão para a impressora"},
        {{"--send", "--png", "imagens"},
         "A opção --send não combina com --png: as etiquetas vão para a impressora"},
        {{"--send", "--send"}, "A opção --send foi dada mais de uma vez"},
        {{"--send", "--port", "LPT9"},
         "A opção --port não é uma porta (LPT1, LPT2, COM1 a COM4) nem um destino: destino "
         "inválido (use um dispositivo como /dev/ttyUSB0, tcp://ENDEREÇO[:PORTA] ou "
         "cups://FILA)"}};
    for (const auto& [arguments, firstErrorLine] : cases) {
        const RenderRun result = run(QStringList{sampleOrder()} + arguments);
        EXPECT_EQ(result.exitCode, 1) << firstErrorLine;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.substr(0, result.err.find('\n') + 1), kTag + firstErrorLine + "\n");
        EXPECT_FALSE(QFile::exists(qs(work("saida.prn"))));
    }
}

// A row of 0 labels in the order file stops --send at that row with status 4: the row
// before it reached the printer, nothing of it did.
TEST_F(RenderSendTest, ARowOfZeroLabelsStopsTheJobWithStatusFour) {
    std::vector<std::string> items = sampleItems();
    items[1].replace(4, 6, "000000");
    writeBytes(work("pedido.txt"), orderFile({orderHeader(), items[0], items[1]}));
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    const std::string destination = "tcp://127.0.0.1:" + std::to_string(printer.port());
    const RenderRun result =
        run({qs(work("pedido.txt")), QStringLiteral("--settings"), qs(writeSettings(kModel)),
             QStringLiteral("--logo-dir"), qs(samplePath("")), QStringLiteral("--rows"),
             QStringLiteral("1,2"), QStringLiteral("--send"), QStringLiteral("--port"),
             qs(destination), QStringLiteral("--no-status")});
    EXPECT_EQ(result.exitCode, 4) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, kTag + "linha 1 enviada (1 de 2)\n" + kTag +
                              "A linha 2 pede 0 etiquetas e não foi impressa: informe a "
                              "quantidade em \"Quant.\". A impressão parou nesta linha.\n");
    const std::vector<std::string> received = printer.received(1);
    ASSERT_EQ(received.size(), 1U);
    EXPECT_EQ(received[0], expectedJob(items, {1}, settingsRecord(kModel), samplePath("")));
    EXPECT_TRUE(tempDirEmpty());
}

}  // namespace
}  // namespace rotulano::test
