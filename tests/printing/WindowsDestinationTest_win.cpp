#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "LoopbackPrinter_win.h"
#include "printing/DeviceDestination.h"
#include "printing/PortStream_win.h"
#include "printing/TcpDestination.h"

// Destinations on Windows: a port that is not there or that another program holds is
// reported as on Linux, and a network printer is reached through the look-up interface.
namespace {

namespace core = rotulano::core;
namespace printing = rotulano::printing;
using std::chrono::milliseconds;

// A name server that counts the questions and knows every host.
class CountingLookup : public printing::NameLookup {
  public:
    printing::LookupResult lookUp(const std::string&) const override {
        ++asked;
        return printing::LookupResult::found({"127.0.0.1"});
    }
    mutable std::atomic<int> asked{0};
};

core::PortDestination port(const std::string& name) {
    core::PortDestination destination;
    destination.kind = core::DestinationKind::Device;
    destination.text = destination.target = name;
    return destination;
}

}  // namespace

// COM200 exists in no test's Wine prefix (its ports are COM1-COM4, LPT1-LPT2).
TEST(WindowsDeviceDestination, PortThatIsNotThereIsNotFound) {
    const core::PortDestination missing = port("COM200");
    const core::Delivery sent =
        printing::DeviceDestination(missing, milliseconds(1000))
            .send({printing::RowPiece{"^XA^XZ", milliseconds(0)}}, [](milliseconds) {});
    EXPECT_EQ(sent.status, core::kStatusNotFound);
    EXPECT_EQ(sent.reason, "dispositivo não encontrado");
    EXPECT_FALSE(sent.bytesWritten);
}

// Wine lets a second program open a held port (it keeps no share modes for devices), so
// the refusal Windows gives is driven here: what an open refused with "access denied"
// or a sharing violation reports.
TEST(WindowsDeviceDestination, PortAnotherProgramHoldsIsBusyWithTheLinuxMessage) {
    for (const DWORD refusal : {ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION}) {
        const core::Delivery busy = printing::deviceFailure(printing::portStream::errnoOf(refusal));
        EXPECT_EQ(busy.status, core::kStatusLocked) << refusal;
        EXPECT_EQ(busy.reason, "porta ocupada por outro programa") << refusal;
    }
}

// A row and a status question each go through the name look-up interface and reach the
// printer: network printers are no longer refused on Windows.
TEST(WindowsTcpDestination, NetworkPrinterIsLookedUpAndReachedForARowAndAQuestion) {
    rotulano::test::LoopbackPrinter printer;
    ASSERT_TRUE(printer.ready());
    CountingLookup lookup;
    core::PortDestination destination;
    destination.kind = core::DestinationKind::Tcp;
    destination.text = "tcp://zebra:" + std::to_string(printer.port());
    destination.target = "zebra";
    destination.tcpPort = printer.port();
    const printing::TcpDestination network(destination, lookup, milliseconds(10000),
                                           milliseconds(10000));
    const core::Delivery sent = network.send("^XA^FDRotulano^FS^XZ");
    EXPECT_TRUE(sent.ok()) << sent.reason;
    std::string answer;
    const core::Delivery asked = network.ask(
        "~HS", answer, [](const std::string&) { return false; }, milliseconds(100));
    EXPECT_TRUE(asked.ok()) << asked.reason;
    EXPECT_EQ(answer, "");
    EXPECT_EQ(lookup.asked, 2);
    EXPECT_EQ(printer.received(2), (std::vector<std::string>{"^XA^FDRotulano^FS^XZ", "~HS"}));
}
