#include <gtest/gtest.h>

#include "RecordingPlatform.h"
#include "config/PortsTable.h"
#include "printing/PortRoute.h"

using rotulano::config::PortsTable;
using rotulano::core::Delivery;
using rotulano::core::PortDestination;
using rotulano::printing::DestinationSender;
using rotulano::printing::PortRoute;
using rotulano::test::RecordingPlatform;

namespace {

// Keeps what a destination of the ports file was sent, and answers as told.
class RecordingDestinations : public DestinationSender {
  public:
    Delivery answer;
    std::vector<std::pair<std::string, std::string>> sent;  // destination text, bytes

    Delivery sendRow(const PortDestination& destination,
                     const std::vector<rotulano::printing::RowPiece>& pieces) override {
        std::string bytes;
        for (const auto& piece : pieces) {
            bytes += piece.bytes;
        }
        sent.emplace_back(destination.text, bytes);
        return answer;
    }
};

// A network printer, a serial device and something that is neither (a print queue on
// Linux, which Windows has not: a second network printer there), as each system writes them.
PortsTable shopPorts() {
#ifdef _WIN32
    const std::string device = "COM5";
    const std::string other = "tcp://10.0.0.8:6101";
#else
    const std::string device = "/dev/ttyUSB0";
    const std::string other = "cups://ZEBRA";
#endif
    PortsTable table;
    std::string message;
    EXPECT_TRUE(
        PortsTable::parse("[LPT1]\ndestino=tcp://10.0.0.7\n"
                          "[COM1]\ndestino=" +
                              device +
                              "\nvelocidade=9600\n"
                              "[COM2]\ndestino=" +
                              other + "\n",
                          "portas.ini", table, message))
        << message;
    return table;
}
}  // namespace

TEST(PortRoute, EntryOfThePortsFileTakesTheBytesElseTheUsualDevice) {
    const PortsTable table = shopPorts();
    RecordingPlatform platform;
    platform.devices = {{"LPT2", "/dev/usb/lp1"}};
    RecordingDestinations destinations;

    EXPECT_TRUE(PortRoute("LPT1", table).send("A\r\n", platform, destinations).ok());
    EXPECT_TRUE(PortRoute("LPT2", table).send("B\r\n", platform, destinations).ok());
    using Sent = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(destinations.sent, (Sent{{"tcp://10.0.0.7", "A\r\n"}}));
    ASSERT_EQ(platform.sent.size(), 1u);
    EXPECT_EQ(platform.sent[0].device, "/dev/usb/lp1");
    EXPECT_EQ(platform.sent[0].bytes, "B\r\n");
    EXPECT_EQ(PortRoute("LPT1", table).describe(platform), "tcp://10.0.0.7");
    EXPECT_EQ(PortRoute("LPT2", table).describe(platform), "/dev/usb/lp1");
}

TEST(PortRoute, FailuresCarryTheirReason) {
    const PortsTable table = shopPorts();
    RecordingPlatform platform;
    platform.refusingDevices = {"COM3"};
    RecordingDestinations destinations;
    destinations.answer = Delivery::failed("30", "conexão recusada");
    const Delivery network = PortRoute("LPT1", table).send("A", platform, destinations);
    EXPECT_EQ(network.status, "30");
    EXPECT_EQ(network.reason, "conexão recusada");
    const Delivery usual = PortRoute("COM3", table).send("A", platform, destinations);
    EXPECT_EQ(usual.status, "35");
    EXPECT_EQ(usual.reason, "dispositivo não encontrado");
}

TEST(PortRoute, SerialSetUpOnlyForACommNameGoingToADevice) {
    const PortsTable table = shopPorts();
    const std::vector<std::pair<std::string, bool>> cases = {{"LPT1", false}, {"LPT2", false},
                                                             {"COM1", true},  {"COM2", false},
                                                             {"COM3", true},  {"COM4", true}};
    for (const auto& [port, runs] : cases) {
        EXPECT_EQ(PortRoute(port, table).runsSerialSetup(), runs) << port;
    }
}
