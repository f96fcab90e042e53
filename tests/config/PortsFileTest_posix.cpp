#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "PortsFileFolder.h"
#include "support/ChildProcess.h"

using rotulano::config::PortsFile;
using rotulano::config::PortsTable;
using rotulano::core::DestinationKind;
using rotulano::core::FlowControl;
using rotulano::core::Parity;
using rotulano::core::PortDestination;
using rotulano::test::expectSerialEntry;
using rotulano::test::readBytes;
using rotulano::test::writeBytes;
using PortsFileLoad = rotulano::test::PortsFileFolder;
using PortsFileSave = rotulano::test::PortsFileFolder;

namespace {

const std::string kFullFile =
    "; portas da loja\n"
    "[LPT1]\r\n"
    "destino = tcp://192.168.0.50\r\n"
    "\n"
    "[lpt2]\n"
    "Destino=cups://Zebra_Expedicao\n"
    "[COM1]\n"
    "destino=/dev/ttyUSB0\n"
    "velocidade=19200\n"
    "bits-de-dados=7\n"
    "paridade=par\n"
    "bits-de-parada=2\n"
    "controle-de-fluxo=xon-xoff\n"
    "[COM2]\n"
    "# só a velocidade\n"
    "velocidade=9600\n"
    "destino=/dev/serial/by-id/usb-FTDI-if00\n"
    "[COM4]\n"
    "destino=tcp://[::1]:6101\n";

PortsTable parsed(const std::string& text) {
    PortsTable table;
    std::string message;
    EXPECT_TRUE(PortsTable::parse(text, "portas.ini", table, message)) << message;
    EXPECT_EQ(message, "");
    return table;
}

}  // namespace

TEST(PortsTableRead, EveryKindOfDestinationAndTheSerialFieldsNamed) {
    const PortsTable table = parsed(kFullFile);
    const PortDestination* lpt1 = table.find("LPT1");
    ASSERT_NE(lpt1, nullptr);
    EXPECT_EQ(lpt1->kind, DestinationKind::Tcp);
    EXPECT_EQ(lpt1->target, "192.168.0.50");
    EXPECT_EQ(lpt1->tcpPort, 9100);
    EXPECT_EQ(lpt1->text, "tcp://192.168.0.50");
    EXPECT_TRUE(lpt1->serial.empty());

    const PortDestination* lpt2 = table.find("LPT2");
    ASSERT_NE(lpt2, nullptr);
    EXPECT_EQ(lpt2->kind, DestinationKind::Queue);
    EXPECT_EQ(lpt2->target, "Zebra_Expedicao");

    const PortDestination* com1 = table.find("COM1");
    ASSERT_NE(com1, nullptr);
    EXPECT_EQ(com1->kind, DestinationKind::Device);
    expectSerialEntry(table, "COM1",
                      {"/dev/ttyUSB0", 19200, 7, Parity::Even, 2, FlowControl::XonXoff});

    const PortDestination* com2 = table.find("COM2");
    ASSERT_NE(com2, nullptr);
    EXPECT_EQ(com2->target, "/dev/serial/by-id/usb-FTDI-if00");
    EXPECT_EQ(com2->serial.speed, 9600);
    EXPECT_FALSE(com2->serial.dataBits || com2->serial.parity || com2->serial.stopBits ||
                 com2->serial.flowControl);

    EXPECT_EQ(table.find("COM3"), nullptr);
    const PortDestination* com4 = table.find("COM4");
    ASSERT_NE(com4, nullptr);
    EXPECT_EQ(com4->target, "::1");
    EXPECT_EQ(com4->tcpPort, 6101);
}

TEST(PortsTableRead, WrittenTextReadsBackTheSameEntries) {
    const PortsTable table = parsed(kFullFile);
    const std::string text = table.text();
    EXPECT_EQ(text,
              "; Rotulano: para onde vai cada porta. Porta sem entrada: o dispositivo de "
              "sempre.\n"
              "\n[LPT1]\ndestino=tcp://192.168.0.50\n"
              "\n[LPT2]\ndestino=cups://Zebra_Expedicao\n"
              "\n[COM1]\ndestino=/dev/ttyUSB0\nvelocidade=19200\nbits-de-dados=7\n"
              "paridade=par\nbits-de-parada=2\ncontrole-de-fluxo=xon-xoff\n"
              "\n[COM2]\ndestino=/dev/serial/by-id/usb-FTDI-if00\nvelocidade=9600\n"
              "\n[COM4]\ndestino=tcp://[::1]:6101\n");
    const PortsTable again = parsed(text);
    for (const std::string name : {"LPT1", "LPT2", "COM1", "COM2", "COM4"}) {
        ASSERT_NE(again.find(name), nullptr) << name;
        EXPECT_EQ(again.find(name)->text, table.find(name)->text) << name;
        EXPECT_TRUE(again.find(name)->serial == table.find(name)->serial) << name;
    }
    EXPECT_EQ(again.find("COM3"), nullptr);
}

TEST(PortsTableRead, StatusCheckIsOnForNetworkPrintersAndOffForDevicesUnlessTheEntrySays) {
    const PortsTable table = parsed(
        "[LPT1]\ndestino=tcp://10.0.0.7\n"
        "[LPT2]\ndestino=tcp://10.0.0.8\nconsultar-estado=nao\n"
        "[COM1]\ndestino=/dev/ttyUSB0\n"
        "[COM2]\ndestino=/dev/usb/lp1\nconsultar-estado=sim\n"
        "[COM3]\ndestino=cups://Zebra\nconsultar-estado=nao\n"
        "[COM4]\ndestino=/dev/lp0\n");
    EXPECT_TRUE(table.find("LPT1")->checksStatus());
    EXPECT_FALSE(table.find("LPT2")->checksStatus());
    EXPECT_FALSE(table.find("COM1")->checksStatus());
    EXPECT_TRUE(table.find("COM2")->checksStatus());
    EXPECT_FALSE(table.find("COM3")->checksStatus());
    EXPECT_FALSE(table.find("COM4")->checksStatus());
    // Only what the file says is written back.
    EXPECT_EQ(table.text(),
              "; Rotulano: para onde vai cada porta. Porta sem entrada: o dispositivo de "
              "sempre.\n"
              "\n[LPT1]\ndestino=tcp://10.0.0.7\n"
              "\n[LPT2]\ndestino=tcp://10.0.0.8\nconsultar-estado=nao\n"
              "\n[COM1]\ndestino=/dev/ttyUSB0\n"
              "\n[COM2]\ndestino=/dev/usb/lp1\nconsultar-estado=sim\n"
              "\n[COM3]\ndestino=cups://Zebra\nconsultar-estado=nao\n"
              "\n[COM4]\ndestino=/dev/lp0\n");
}

TEST(PortsTableRead, ConfirmaFechandoNaoMarksANetworkPrinterThatNeverClosesAndIsWrittenBack) {
    const PortsTable table = parsed(
        "[LPT1]\ndestino=tcp://10.0.0.7\nconfirma-fechando=nao\n"
        "[LPT2]\ndestino=tcp://10.0.0.8\nconfirma-fechando=SIM\n"
        "[COM1]\ndestino=tcp://10.0.0.9\n");
    EXPECT_FALSE(table.find("LPT1")->confirmsByClosing);
    EXPECT_TRUE(table.find("LPT2")->confirmsByClosing);
    EXPECT_TRUE(table.find("COM1")->confirmsByClosing);
    const std::string text = table.text();
    EXPECT_EQ(text,
              "; Rotulano: para onde vai cada porta. Porta sem entrada: o dispositivo de "
              "sempre.\n"
              "\n[LPT1]\ndestino=tcp://10.0.0.7\nconfirma-fechando=nao\n"
              "\n[LPT2]\ndestino=tcp://10.0.0.8\n"
              "\n[COM1]\ndestino=tcp://10.0.0.9\n");
    EXPECT_FALSE(parsed(text).find("LPT1")->confirmsByClosing);
}

TEST(PortsTableRead, EmptyOrCommentOnlyTextHasNoEntries) {
    EXPECT_TRUE(parsed("").empty());
    EXPECT_TRUE(parsed("; nada\n\n# ainda nada\r\n").empty());
}

struct BadFileCase {
    const char* name;
    std::string text;
    std::string message;
};

class PortsTableFaults : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(PortsTableFaults, MessageNamesTheFileAndTheLine) {
    PortsTable table;
    table.set("LPT1", parsed("[LPT1]\ndestino=/dev/usb/lp0\n").find("LPT1")[0]);
    std::string message;
    EXPECT_FALSE(PortsTable::parse(GetParam().text, "/lojas/rotulano-portas.ini", table, message));
    EXPECT_EQ(message, "Arquivo de portas /lojas/rotulano-portas.ini, " + GetParam().message);
    ASSERT_NE(table.find("LPT1"), nullptr);
    EXPECT_EQ(table.find("LPT1")->text, "/dev/usb/lp0");
    EXPECT_EQ(table.find("COM1"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PortsTableFaults,
    ::testing::Values(
        BadFileCase{"UnknownPort", "[COM1]\ndestino=/dev/ttyS0\n\n[LPT3]\ndestino=/dev/lp2\n",
                    "linha 4: porta desconhecida \"LPT3\" (use LPT1, LPT2, COM1, COM2, COM3 ou "
                    "COM4)."},
        BadFileCase{"RepeatedPort", "[COM1]\ndestino=/dev/ttyS0\n[com1]\ndestino=/dev/ttyS1\n",
                    "linha 3: porta COM1 repetida."},
        BadFileCase{"KeyBeforeAnyPort", "destino=/dev/ttyS0\n",
                    "linha 1: linha fora de uma porta (comece cada porta com [LPT1], [LPT2], "
                    "[COM1], [COM2], [COM3] ou [COM4])."},
        BadFileCase{"LineWithoutEquals", "[COM1]\ndestino /dev/ttyS0\n",
                    "linha 2: linha não reconhecida \"destino /dev/ttyS0\"."},
        BadFileCase{"UnclosedName", "[COM1\n", "linha 1: linha não reconhecida \"[COM1\"."},
        BadFileCase{"UnknownKey", "[COM1]\ndestino=/dev/ttyS0\nbaud=9600\n",
                    "linha 3: chave desconhecida \"baud\"."},
        BadFileCase{"RepeatedKey", "[COM1]\ndestino=/dev/ttyS0\ndestino=/dev/ttyS1\n",
                    "linha 3: chave \"destino\" repetida na porta COM1."},
        BadFileCase{"NoDestination", "[COM1]\nvelocidade=9600\n[COM2]\ndestino=/dev/ttyS1\n",
                    "linha 1: porta COM1 sem destino."},
        BadFileCase{"RelativeDevice", "[LPT1]\ndestino=lp0\n",
                    "linha 2: \"lp0\": destino inválido (use um dispositivo como /dev/ttyUSB0, "
                    "tcp://ENDEREÇO[:PORTA] ou cups://FILA)."},
        BadFileCase{"EmptyDestination", "[LPT1]\ndestino=\n",
                    "linha 2: \"\": destino inválido (use um dispositivo como /dev/ttyUSB0, "
                    "tcp://ENDEREÇO[:PORTA] ou cups://FILA)."},
        BadFileCase{"TcpWithoutHost", "[LPT1]\ndestino=tcp://:9100\n",
                    "linha 2: \"tcp://:9100\": endereço de rede inválido (use tcp://ENDEREÇO "
                    "ou tcp://ENDEREÇO:PORTA)."},
        BadFileCase{"TcpPortTooLarge", "[LPT1]\ndestino=tcp://impressora:65536\n",
                    "linha 2: \"tcp://impressora:65536\": endereço de rede inválido (use "
                    "tcp://ENDEREÇO ou tcp://ENDEREÇO:PORTA)."},
        BadFileCase{"TcpPortZero", "[LPT1]\ndestino=tcp://impressora:0\n",
                    "linha 2: \"tcp://impressora:0\": endereço de rede inválido (use "
                    "tcp://ENDEREÇO ou tcp://ENDEREÇO:PORTA)."},
        BadFileCase{"TcpPortNotANumber", "[LPT1]\ndestino=tcp://impressora:91a\n",
                    "linha 2: \"tcp://impressora:91a\": endereço de rede inválido (use "
                    "tcp://ENDEREÇO ou tcp://ENDEREÇO:PORTA)."},
        BadFileCase{"QueueWithSlash", "[LPT2]\ndestino=cups://a/b\n",
                    "linha 2: \"cups://a/b\": nome de fila inválido (use cups://FILA)."},
        BadFileCase{"QueueEmpty", "[LPT2]\ndestino=cups://\n",
                    "linha 2: \"cups://\": nome de fila inválido (use cups://FILA)."},
        BadFileCase{"SpeedNotOffered", "[COM1]\ndestino=/dev/ttyS0\nvelocidade=9601\n",
                    "linha 3: velocidade inválida \"9601\" (use 300, 600, 1200, 2400, 4800, "
                    "9600, 19200, 38400, 57600, 115200 ou 230400)."},
        BadFileCase{"SpeedNotANumber", "[COM1]\ndestino=/dev/ttyS0\nvelocidade=rápida\n",
                    "linha 3: velocidade inválida \"rápida\" (use 300, 600, 1200, 2400, 4800, "
                    "9600, 19200, 38400, 57600, 115200 ou 230400)."},
        BadFileCase{"SpeedBetweenTwoOfTheTable", "[COM1]\ndestino=/dev/ttyS0\nvelocidade=14400\n",
                    "linha 3: velocidade inválida \"14400\" (use 300, 600, 1200, 2400, 4800, "
                    "9600, 19200, 38400, 57600, 115200 ou 230400)."},
        BadFileCase{"ConfirmaFechandoNotYesOrNo",
                    "[LPT1]\ndestino=tcp://10.0.0.9\nconfirma-fechando=talvez\n",
                    "linha 3: confirma-fechando inválido \"talvez\" (use sim ou nao)."},
        BadFileCase{"ConfirmaFechandoOnADevice",
                    "[COM1]\nconfirma-fechando=nao\ndestino=/dev/ttyUSB0\n",
                    "linha 2: confirma-fechando só vale para uma impressora de rede."},
        BadFileCase{"DataBits", "[COM1]\ndestino=/dev/ttyS0\nbits-de-dados=9\n",
                    "linha 3: bits de dados inválidos \"9\" (use 5, 6, 7 ou 8)."},
        BadFileCase{"Parity", "[COM1]\ndestino=/dev/ttyS0\nparidade=marca\n",
                    "linha 3: paridade inválida \"marca\" (use nenhuma, par ou impar)."},
        BadFileCase{"StopBits", "[COM1]\ndestino=/dev/ttyS0\nbits-de-parada=1.5\n",
                    "linha 3: bits de parada inválidos \"1.5\" (use 1 ou 2)."},
        BadFileCase{"FlowControl", "[COM1]\ndestino=/dev/ttyS0\ncontrole-de-fluxo=dtr\n",
                    "linha 3: controle de fluxo inválido \"dtr\" (use nenhum, rts-cts ou "
                    "xon-xoff)."},
        BadFileCase{"SerialOnNetwork", "[COM1]\nvelocidade=9600\ndestino=tcp://10.0.0.9\n",
                    "linha 2: a configuração serial só vale para um dispositivo."},
        BadFileCase{"StatusCheckNotYesOrNo", "[LPT1]\ndestino=tcp://10.0.0.9\nconsultar-estado=1\n",
                    "linha 3: consulta de estado inválida \"1\" (use sim ou nao)."},
        BadFileCase{"StatusCheckOnAQueue", "[LPT2]\nconsultar-estado=sim\ndestino=cups://Zebra\n",
                    "linha 2: a consulta de estado não vale para uma fila de impressão nem "
                    "para uma porta paralela."},
        BadFileCase{"StatusCheckOnAParallelPort",
                    "[LPT1]\ndestino=/dev/lp0\nconsultar-estado=SIM\n",
                    "linha 3: a consulta de estado não vale para uma fila de impressão nem "
                    "para uma porta paralela."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PortsFileLoad, AbsentOrEmptyBesideTheSettingsKeepsTodaysMappingSilently) {
    EXPECT_EQ(PortsFile::besideSettings(dir_.filePath("CD21PRM.DAT").toStdString()), path_);
    PortsTable table;
    table.set("LPT1", parsed("[LPT1]\ndestino=/dev/usb/lp0\n").find("LPT1")[0]);
    std::string message = "antes";
    EXPECT_TRUE(PortsFile(path_).load(table, message, false));
    EXPECT_TRUE(table.empty());
    EXPECT_EQ(message, "");
    EXPECT_TRUE(writeAndLoad("", table, message));
    EXPECT_TRUE(table.empty());
    EXPECT_EQ(message, "");
    EXPECT_EQ(PortsFile::besideSettings("CD21PRM.DAT"), "rotulano-portas.ini");
}

TEST_F(PortsFileLoad, FileThatCannotBeUsedIsNamedInTheMessage) {
    const std::string absent = dir_.filePath("outro.ini").toStdString();
    const std::string folder = dir_.filePath("pasta.ini").toStdString();
    ASSERT_TRUE(QDir(dir_.path()).mkdir("pasta.ini"));
    const std::string pipe = dir_.filePath("pipe.ini").toStdString();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string big = dir_.filePath("grande.ini").toStdString();
    writeBytes(big, std::string(PortsFile::kLargestFile + 1, ';'));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {absent, "Arquivo de portas " + absent + " não encontrado."},
        {folder, "Arquivo de portas " + folder + " não é um arquivo comum."},
        {pipe, "Arquivo de portas " + pipe + " não é um arquivo comum."},
        {big, "Arquivo de portas " + big + " é grande demais para um arquivo de portas."}};
    for (const auto& [path, expected] : cases) {
        PortsTable table;
        std::string message;
        EXPECT_FALSE(PortsFile(path).load(table, message, true)) << path;
        EXPECT_EQ(message, expected);
    }
    PortsTable table;
    std::string message;
    EXPECT_FALSE(PortsFile(folder).load(table, message, false));
    EXPECT_EQ(message, "Arquivo de portas " + folder + " não é um arquivo comum.");
}

TEST_F(PortsFileLoad, BadFileBesideTheSettingsIsReportedToo) {
    PortsTable table;
    std::string message;
    EXPECT_FALSE(writeAndLoad("[LPT1]\ndestino=tcp://impressora:99999\n", table, message, false));
    EXPECT_EQ(message, "Arquivo de portas " + path_ +
                           ", linha 2: \"tcp://impressora:99999\": endereço de rede inválido "
                           "(use tcp://ENDEREÇO ou tcp://ENDEREÇO:PORTA).");
}

TEST_F(PortsFileSave, WritesTheTextWholeAndReadsItBack) {
    const PortsTable table = parsed(kFullFile);
    std::string message = "antes";
    ASSERT_TRUE(PortsFile(path_).save(table, message));
    EXPECT_EQ(message, "");
    EXPECT_EQ(readBytes(path_), table.text());
    PortsTable back;
    ASSERT_TRUE(PortsFile(path_).load(back, message, true)) << message;
    EXPECT_EQ(back.text(), table.text());
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"rotulano-portas.ini"});
}

TEST_F(PortsFileSave, KeepsTheFilesModeAndItsOtherName) {
    const std::string other = dir_.filePath("portas-da-loja.ini").toStdString();
    writeBytes(path_, "; antes\n");
    ASSERT_EQ(::chmod(path_.c_str(), 0640), 0);
    ASSERT_EQ(::link(path_.c_str(), other.c_str()), 0);
    std::string message;
    ASSERT_TRUE(PortsFile(path_).save(parsed(kFullFile), message)) << message;
    struct stat info {};
    ASSERT_EQ(::stat(path_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    // The comment stays; the entries follow it.
    const std::string whole = parsed(kFullFile).text();
    EXPECT_EQ(readBytes(other), "; antes\n" + whole.substr(whole.find('\n') + 1));
}

TEST_F(PortsFileSave, FolderThatIsMissingIsReportedAndNothingIsWritten) {
    const std::string path = dir_.filePath("nao-existe/rotulano-portas.ini").toStdString();
    std::string message;
    EXPECT_FALSE(PortsFile(path).save(parsed(kFullFile), message));
    EXPECT_EQ(message, "Não foi possível gravar o arquivo de portas " + path + " [35].");
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

// What the ports file gives a user who may not read it. The administrator reads every
// file, so the reading runs as an operator who may not.
TEST_F(PortsFileLoad, FileTheUserMayNotReadIsNamedWithItsStatus) {
    if (!rotulano::test::operatorRunsPossible()) {
        GTEST_SKIP() << "no user nobody to read as";
    }
    ASSERT_TRUE(rotulano::test::openToOperator(dir_.path().toStdString()));
    writeBytes(path_, "[LPT1]\ndestino=/dev/usb/lp0\n");
    ASSERT_EQ(::chmod(path_.c_str(), 0), 0);
    const std::string expected = "Arquivo de portas " + path_ + " não pode ser lido [37].";
    const auto run = rotulano::test::answerAsOperator(dir_.path().toStdString(), [&] {
        PortsTable table;
        std::string message;
        const bool loaded = PortsFile(path_).load(table, message, true);
        return (loaded ? "1" : "0") + message;
    });
    ASSERT_EQ(run.exitCode, 0) << "the reading as \"nobody\" did not end well";
    EXPECT_EQ(run.out, "0" + expected);
}
