#include <gtest/gtest.h>

#include "RenderProcessFixture.h"
#include "printing/PrinterLock.h"
#include "printing/TcpListener.h"

// rotulano-render --send shares the printers' locks with the window and with every other
// run: a printer that another job of this machine holds is refused before its first row,
// with the window's message and status 6 (nothing was sent; try again later).
namespace rotulano::test {
namespace {

using printing::PrinterLock;

class RenderSendLockTest : public RenderProcessTest {};

TEST_F(RenderSendLockTest, PrinterHeldByAnotherJobIsRefusedWithStatusSix) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    const std::string destination = "tcp://127.0.0.1:" + std::to_string(printer.port());
    const QStringList send = {QStringLiteral("--rows"), QStringLiteral("1,2"),
                              QStringLiteral("--send"), QStringLiteral("--port"),
                              qs(destination),          QStringLiteral("--no-status")};
    // Another job holds the printer, as a window of another user would: the system's own
    // locks, under the key the printer has however it is written.
    PrinterLock otherJob;
    core::PortDestination held;
    held.kind = core::DestinationKind::Tcp;
    held.target = "127.0.0.1";
    held.tcpPort = printer.port();
    ASSERT_TRUE(otherJob.take({}, PrinterLock::destinationKey(held)));

    const RenderRun refused = runSample(writeSettings(5), send);
    EXPECT_EQ(refused.exitCode, 6);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, kTag + "Não foi possível enviar as etiquetas para a porta LPT1 (" +
                               destination +
                               "): impressora ocupada por outro trabalho deste computador [93].\n");
    EXPECT_EQ(printer.accepted(), 0u);

    otherJob.release();
    const RenderRun printed = runSample(writeSettings(5), send);
    EXPECT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_EQ(printer.received(2).size(), 2u);
}

}  // namespace
}  // namespace rotulano::test
