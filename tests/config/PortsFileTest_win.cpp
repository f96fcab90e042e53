#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PortsFileFolder.h"

// The ports file as Windows reads it: its ports by their Windows names, the serial fields
// as on Linux, and a Linux device or print queue refused with the file and the line.
namespace rotulano::test {
namespace {

using PortsFileWindows = PortsFileFolder;

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

TEST_F(PortsFileWindows, PortsByTheirWindowsNamesAndTheSerialFields) {
    config::PortsTable table;
    std::string message;
    ASSERT_TRUE(writeAndLoad(kWindowsFile, table, message)) << message;

    const core::PortDestination* lpt1 = table.find("LPT1");
    ASSERT_NE(lpt1, nullptr);
    EXPECT_EQ(lpt1->kind, core::DestinationKind::Device);
    EXPECT_EQ(lpt1->target, "LPT1");
    EXPECT_EQ(lpt1->text, "lpt1");
    const core::PortDestination* lpt2 = table.find("LPT2");
    ASSERT_NE(lpt2, nullptr);
    EXPECT_EQ(lpt2->kind, core::DestinationKind::Tcp);
    EXPECT_EQ(lpt2->tcpPort, 6101);
    expectSerialEntry(table, "COM1",
                      {"COM7", 19200, 7, core::Parity::Even, 2, core::FlowControl::RtsCts});
    const core::PortDestination* com2 = table.find("COM2");
    ASSERT_NE(com2, nullptr);
    EXPECT_EQ(com2->target, "COM12");
    EXPECT_TRUE(com2->serial.empty());
}

TEST_F(PortsFileWindows, LinuxDestinationsAreRefusedNamingTheFileAndTheLine) {
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
    for (const Case& c : cases) {
        config::PortsTable table;
        std::string message;
        EXPECT_FALSE(writeAndLoad(c.text, table, message)) << c.text;
        EXPECT_EQ(message, "Arquivo de portas " + path_ + ", " + c.message);
        EXPECT_TRUE(table.empty()) << c.text;
    }
}

// A spooler printer (a USB printer on Windows) by its Windows name, accents and blanks
// kept; its status is never asked, so an entry asking for it is refused with its line.
TEST_F(PortsFileWindows, SpoolerPrinterByItsWindowsNameAndNoStatusQuestion) {
    config::PortsTable table;
    std::string message;
    ASSERT_TRUE(writeAndLoad("[LPT1]\r\ndestino=spooler://Zebra Expedição\r\n", table, message))
        << message;
    const core::PortDestination* lpt1 = table.find("LPT1");
    ASSERT_NE(lpt1, nullptr);
    EXPECT_EQ(lpt1->kind, core::DestinationKind::Queue);
    EXPECT_EQ(lpt1->target, "Zebra Expedição");
    EXPECT_EQ(lpt1->text, "spooler://Zebra Expedição");
    EXPECT_FALSE(lpt1->checksStatus());

    config::PortsTable asking;
    EXPECT_FALSE(
        writeAndLoad("[LPT1]\ndestino=spooler://Zebra\nconsultar-estado=sim\n", asking, message));
    EXPECT_EQ(message, "Arquivo de portas " + path_ +
                           ", linha 3: a consulta de estado não vale para uma fila de impressão "
                           "nem para uma porta paralela.");
}

}  // namespace rotulano::test
