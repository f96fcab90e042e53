#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "config/PortsFile.h"
#include "support/TestSupport.h"

// The ports file as Windows reads it: its ports by their Windows names, the serial fields
// as on Linux, and a Linux device or print queue refused with the file and the line.
namespace {

using rotulano::config::PortsFile;
using rotulano::config::PortsTable;
using rotulano::core::DestinationKind;
using rotulano::core::FlowControl;
using rotulano::core::Parity;
using rotulano::core::PortDestination;
using rotulano::test::writeBytes;

const std::string kWindowsFile =
    "; portas da loja\r\n"
    "[LPT1]\r\n"
    "destino = lpt1\r\n"
    "[LPT2]\r\n"
    "destino=tcp://192.168.0.50:6101\r\n"
    "[COM1]\r\n"
    "destino=COM7\r\n"
    "velocidade=19200\r\n"
    "bits-de-dados=7\r\n"
    "paridade=par\r\n"
    "bits-de-parada=2\r\n"
    "controle-de-fluxo=rts-cts\r\n"
    "[COM2]\r\n"
    "destino=COM12\r\n";

const std::string kWindowsForms =
    "use COM1 a COM256, LPT1 a LPT3, tcp://ENDEREÇO[:PORTA] ou spooler://IMPRESSORA";

}  // namespace

TEST(PortsFileWindows, PortsByTheirWindowsNamesAndTheSerialFields) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("rotulano-portas.ini").toStdString();
    writeBytes(path, kWindowsFile);
    PortsTable table;
    std::string message;
    ASSERT_TRUE(PortsFile(path).load(table, message, true)) << message;

    const PortDestination* lpt1 = table.find("LPT1");
    ASSERT_NE(lpt1, nullptr);
    EXPECT_EQ(lpt1->kind, DestinationKind::Device);
    EXPECT_EQ(lpt1->target, "LPT1");
    EXPECT_EQ(lpt1->text, "lpt1");
    const PortDestination* lpt2 = table.find("LPT2");
    ASSERT_NE(lpt2, nullptr);
    EXPECT_EQ(lpt2->kind, DestinationKind::Tcp);
    EXPECT_EQ(lpt2->tcpPort, 6101);
    const PortDestination* com1 = table.find("COM1");
    ASSERT_NE(com1, nullptr);
    EXPECT_EQ(com1->target, "COM7");
    EXPECT_EQ(com1->serial.speed, 19200);
    EXPECT_EQ(com1->serial.dataBits, 7);
    EXPECT_EQ(com1->serial.parity, Parity::Even);
    EXPECT_EQ(com1->serial.stopBits, 2);
    EXPECT_EQ(com1->serial.flowControl, FlowControl::RtsCts);
    const PortDestination* com2 = table.find("COM2");
    ASSERT_NE(com2, nullptr);
    EXPECT_EQ(com2->target, "COM12");
    EXPECT_TRUE(com2->serial.empty());
}

TEST(PortsFileWindows, LinuxDestinationsAreRefusedNamingTheFileAndTheLine) {
    struct Case {
        const char* text;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"[COM1]\ndestino=/dev/ttyS0\n",
         "linha 2: \"/dev/ttyS0\": dispositivos /dev/ não existem no Windows (" + kWindowsForms +
             ")."},
        {"; fila\n[LPT2]\ndestino=cups://Zebra\n",
         "linha 3: \"cups://Zebra\": filas cups:// não existem no Windows (" + kWindowsForms +
             ")."},
        {"[COM1]\ndestino=COM300\n",
         "linha 2: \"COM300\": destino inválido (" + kWindowsForms + ")."},
    };
    QTemporaryDir dir;
    const std::string path = dir.filePath("rotulano-portas.ini").toStdString();
    for (const Case& c : cases) {
        writeBytes(path, c.text);
        PortsTable table;
        std::string message;
        EXPECT_FALSE(PortsFile(path).load(table, message, true)) << c.text;
        EXPECT_EQ(message, "Arquivo de portas " + path + ", " + c.message);
        EXPECT_TRUE(table.empty()) << c.text;
    }
}

// A spooler printer (a USB printer on Windows) by its Windows name, accents and blanks
// kept; its status is never asked, so an entry asking for it is refused with its line.
TEST(PortsFileWindows, SpoolerPrinterByItsWindowsNameAndNoStatusQuestion) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("rotulano-portas.ini").toStdString();
    writeBytes(path, "[LPT1]\r\ndestino=spooler://Zebra Expedição\r\n");
    PortsTable table;
    std::string message;
    ASSERT_TRUE(PortsFile(path).load(table, message, true)) << message;
    const PortDestination* lpt1 = table.find("LPT1");
    ASSERT_NE(lpt1, nullptr);
    EXPECT_EQ(lpt1->kind, DestinationKind::Queue);
    EXPECT_EQ(lpt1->target, "Zebra Expedição");
    EXPECT_EQ(lpt1->text, "spooler://Zebra Expedição");
    EXPECT_FALSE(lpt1->checksStatus());

    writeBytes(path, "[LPT1]\ndestino=spooler://Zebra\nconsultar-estado=sim\n");
    PortsTable asking;
    EXPECT_FALSE(PortsFile(path).load(asking, message, true));
    EXPECT_EQ(message, "Arquivo de portas " + path +
                           ", linha 3: a consulta de estado não vale para uma fila de impressão "
                           "nem para uma porta paralela.");
}
