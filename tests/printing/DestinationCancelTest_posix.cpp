#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "TcpListener.h"
#include "printing/SystemDestinations.h"
#include "support/ChildProcess.h"

// A cancel reaches a row on its way to a printer of the ports file: a network printer
// that has stopped taking bytes is left after the short grace, not after the stall limit
// (the job then reports the row cancelled). The case runs in a child process, killed if
// it hangs.
namespace {

namespace printing = rotulano::printing;
using rotulano::test::TcpListener;
using std::chrono::milliseconds;

// Far longer than the child is given to run: only the cancel ends the wait.
constexpr milliseconds kEndlessStall = std::chrono::minutes(10);

}  // namespace

TEST(DestinationCancel, ACancelEndsTheWaitForANetworkPrinterThatStoppedReading) {
    const rotulano::test::ChildRun run = rotulano::test::answerFromChild({}, [] {
        TcpListener printer(4096);
        printer.neverRead(0);
        if (!printer.ready()) {
            return std::string("no printer");
        }
        rotulano::core::PortDestination destination;
        destination.kind = rotulano::core::DestinationKind::Tcp;
        destination.target = "127.0.0.1";
        destination.tcpPort = printer.port();
        destination.text = "tcp://127.0.0.1:" + std::to_string(printer.port());
        printing::SystemDestinations destinations(kEndlessStall);
        // The operator cancels once the printer has taken the connection and not the bytes.
        std::thread operatorCancels([&] {
            while (printer.accepted() < 1) {
                std::this_thread::sleep_for(milliseconds(10));
            }
            std::this_thread::sleep_for(milliseconds(200));
            destinations.cancel();
        });
        const rotulano::core::Delivery sent =
            destinations.send(destination, std::string(8 << 20, 'b'));
        operatorCancels.join();
        return std::string(sent.ok() ? "sent" : "given up") + " [" + sent.status + "]";
    });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "given up [30]");
}
