#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "printing/DeviceDestination.h"
#include "printing/PortStream_win.h"
#include "printing/TcpDestination.h"

// Destinations on Windows: a port that is not there or that another program holds is
// reported as on Linux, and a network printer is refused before its host is looked up.
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

TEST(WindowsTcpDestination, NetworkPrinterIsRefusedBeforeAnyLookUp) {
    CountingLookup lookup;
    core::PortDestination printer;
    printer.kind = core::DestinationKind::Tcp;
    printer.text = "tcp://zebra:9100";
    printer.target = "zebra";
    const printing::TcpDestination destination(printer, lookup, milliseconds(1000),
                                               milliseconds(1000));
    const core::Delivery sent = destination.send("^XA^XZ");
    EXPECT_EQ(sent.status, core::kStatusIoError);
    EXPECT_EQ(sent.reason, "impressora de rede ainda não disponível no Windows");
    std::string answer;
    const core::Delivery asked = destination.ask(
        "~HS", answer, [](const std::string&) { return true; }, milliseconds(1000));
    EXPECT_EQ(asked.reason, "impressora de rede ainda não disponível no Windows");
    EXPECT_EQ(lookup.asked, 0);
}
