#include <gtest/gtest.h>

#include <termios.h>

#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <thread>

#include "RenderTestSupport.h"
#include "WinePorts.h"
#include "support/TestSupport.h"

// rotulano-render.exe sending to COM1 and LPT1 under Wine, each mapped to a pseudo-terminal
// or a FIFO of the test: the bytes are those of the Linux program, the serial settings of
// the ports file reach the line, a line that takes nothing fails its row, and a second job
// to a port another job holds is refused with nothing sent.
namespace rotulano::test {
namespace {

using namespace std::chrono_literals;
using winePorts::driveZ;
using winePorts::PortFifo;
using winePorts::PortLine;
using winePorts::PortRun;
using winePorts::PrivatePrefix;

constexpr int kModel = 5;  // Zebra, ZPL
// A job whose line stalls is given up after the stall limit (30 s); the program's start
// in a new prefix takes a few seconds more.
constexpr auto kJobWait = 180s;
const std::string kXoff = "\x13";
const std::string kXon = "\x11";
// What a pseudo-terminal can hold: Linux keeps it at 8 data bits without parity, and under
// Wine a line set to other ones once refuses the next open's settings. Data bits and parity
// are checked on the DCB instead (SerialLineTest_win.cpp).
const std::string kSerialKeys =
    "velocidade=19200\nbits-de-dados=8\nparidade=nenhuma\nbits-de-parada=2\n"
    "controle-de-fluxo=xon-xoff\n";

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

class WindowsPortsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (winePorts::windowsRender().isEmpty()) {
            FAIL() << "no rotulano-render.exe in " << ROTULANO_WINDOWS_BUILD_DIR;
        }
    }

    std::string work(const std::string& name) const {
        return work_.filePath(qs(name)).toStdString();
    }

    // The sample order's rows `rows` with the settings of model 5 on `port` ("01" LPT1,
    // "03" COM1), the ports file `ports`, as Windows paths.
    QStringList windowsJob(const std::string& port, const std::string& portsText,
                           const QStringList& more = {}) const {
        writeBytes(work("PARAM.DAT"), settingsRecord(kModel, port));
        writeBytes(work("portas.ini"), portsText);
        return QStringList{driveZ(samplePath("PEDIDO.txt")),
                           QStringLiteral("--settings"),
                           driveZ(work("PARAM.DAT")),
                           QStringLiteral("--logo-dir"),
                           driveZ(samplePath("")),
                           QStringLiteral("--rows"),
                           QStringLiteral("1,2"),
                           QStringLiteral("--send"),
                           QStringLiteral("--no-status"),
                           QStringLiteral("--ports"),
                           driveZ(work("portas.ini"))} +
               more;
    }

    // What the Linux rotulano-render sends for the same job to a line of its own: the
    // serial set-up's empty line of a COM port, then the rows.
    std::string linuxSent(const std::string& port, const std::string& portName,
                          const std::string& serialKeys) const {
        PortLine line;
        EXPECT_TRUE(line.ready());
        const std::string settings = work("PARAM-LINUX.DAT");
        const std::string ports = work("portas-linux.ini");
        writeBytes(settings, settingsRecord(kModel, port));
        writeBytes(ports, "[" + portName + "]\ndestino=" + line.path() + "\n" + serialKeys);
        QProcess process;
        startRender(process,
                    {qs(samplePath("PEDIDO.txt")), QStringLiteral("--settings"), qs(settings),
                     QStringLiteral("--logo-dir"), qs(samplePath("")), QStringLiteral("--rows"),
                     QStringLiteral("1,2"), QStringLiteral("--send"), QStringLiteral("--no-status"),
                     QStringLiteral("--ports"), qs(ports)},
                    work_.path());
        const PortRun run = winePorts::finishReading(
            process, [&] { return line.take(); }, kJobWait);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.received;
    }

    QTemporaryDir work_;
};

// The ports file's COM1 is the Windows port COM1, with the line's settings: the bytes
// arrive as the Linux program sends them (set-up line included, nothing translated), and
// the line holds the entry's speed and framing once the job is over.
TEST_F(WindowsPortsTest, Com1JobArrivesAsOnLinuxWithTheLinesSettings) {
    PortLine line;
    ASSERT_TRUE(line.ready());
    PrivatePrefix prefix(line.path(), {});
    QProcess job;
    prefix.startRender(job, windowsJob("03", "[COM1]\ndestino=COM1\n" + kSerialKeys));
    const PortRun run = winePorts::finishReading(
        job, [&] { return line.take(); }, kJobWait);
    ASSERT_EQ(run.exitCode, 0) << run.err;

    const std::string expected = linuxSent("03", "COM1", kSerialKeys);
    EXPECT_EQ(expected.substr(0, 2), "\r\n") << "the serial set-up's line comes first";
    EXPECT_EQ(expected.substr(2),
              expectedJob(sampleItems(), {1, 2}, settingsRecord(kModel, "03"), samplePath("")));
    EXPECT_EQ(run.received, expected);

    const termios settings = line.settings();
    EXPECT_EQ(::cfgetospeed(&settings), static_cast<speed_t>(B19200));
    EXPECT_NE(settings.c_cflag & CSTOPB, 0u);
    EXPECT_NE(settings.c_iflag & IXON, 0u);
    EXPECT_EQ(settings.c_oflag & OPOST, 0u) << "output still translated";
    EXPECT_EQ(settings.c_lflag & (ICANON | ECHO), 0u) << "line not raw";
}

// LPT1 mapped to a FIFO: a port that is no serial line gets the rows alone, as the Linux
// program writes them.
TEST_F(WindowsPortsTest, Lpt1JobToAFifoArrivesAsOnLinux) {
    PortFifo fifo;
    ASSERT_TRUE(fifo.ready());
    PrivatePrefix prefix({}, fifo.path());
    QProcess job;
    prefix.startRender(job, windowsJob("01", "[LPT1]\ndestino=LPT1\n"));
    const PortRun run = winePorts::finishReading(
        job, [&] { return fifo.take(); }, kJobWait);
    ASSERT_EQ(run.exitCode, 0) << run.err;

    const RenderRun linux = runRender(
        {qs(samplePath("PEDIDO.txt")), QStringLiteral("--settings"), qs(work("PARAM.DAT")),
         QStringLiteral("--logo-dir"), qs(samplePath("")), QStringLiteral("--rows"),
         QStringLiteral("1,2"), QStringLiteral("-o"), qs(work("linux.prn"))},
        work_.path());
    ASSERT_EQ(linux.exitCode, 0) << linux.err;
    EXPECT_EQ(run.received, readBytes(work("linux.prn")));
    EXPECT_EQ(run.received,
              expectedJob(sampleItems(), {1, 2}, settingsRecord(kModel, "01"), samplePath("")));
}

// A line held by flow control (the printer sent XOFF) takes nothing: the row fails at the
// stall limit with the Linux message, and nothing of it reaches the printer afterwards.
TEST_F(WindowsPortsTest, RowOnALineThatTakesNothingFailsAtTheStallLimit) {
    PortLine line;
    ASSERT_TRUE(line.ready());
    ASSERT_TRUE(line.answer(kXoff));
    PrivatePrefix prefix(line.path(), {});
    QProcess job;
    // LPT1's entry is the serial line: no serial set-up, the first row stalls.
    prefix.startRender(job, windowsJob("01", "[LPT1]\ndestino=COM1\n" + kSerialKeys));
    const PortRun run = winePorts::finishReading(
        job, [&] { return line.take(); }, kJobWait);
    EXPECT_EQ(run.exitCode, 5) << run.err;
    EXPECT_NE(run.err.find("Não foi possível enviar as etiquetas para a porta LPT1 (COM1): sem "
                           "resposta em 30 s [30]."),
              std::string::npos)
        << run.err;
    ASSERT_TRUE(line.answer(kXon));
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(run.received + line.take(), "") << "bytes of the failed row reached the printer";
}

// Two jobs to COM1 at once: the second, with the port written in small letters, is refused
// with status 6 before it sends anything; the first then ends whole, its bytes alone.
TEST_F(WindowsPortsTest, SecondJobToAHeldPortIsRefusedAndSendsNothing) {
    PortLine line;
    ASSERT_TRUE(line.ready());
    ASSERT_TRUE(line.answer(kXoff));
    PrivatePrefix prefix(line.path(), {});
    QProcess first;
    prefix.startRender(first, windowsJob("01", "[LPT1]\ndestino=COM1\n" + kSerialKeys));
    // The first job holds the printer once it has set the line up (its speed shows).
    const auto giveUp = std::chrono::steady_clock::now() + kJobWait;
    while (std::chrono::steady_clock::now() < giveUp) {
        const termios settings = line.settings();
        if (::cfgetospeed(&settings) == B19200 || first.state() == QProcess::NotRunning) {
            break;
        }
        std::this_thread::sleep_for(50ms);
    }
    ASSERT_EQ(first.state(), QProcess::Running) << first.readAllStandardError().toStdString();

    writeBytes(work("portas2.ini"), "[COM1]\ndestino=com1\n");
    QProcess second;
    prefix.startRender(
        second, {driveZ(samplePath("PEDIDO.txt")), QStringLiteral("--settings"),
                 driveZ(work("PARAM.DAT")), QStringLiteral("--logo-dir"), driveZ(samplePath("")),
                 QStringLiteral("--send"), QStringLiteral("--no-status"), QStringLiteral("--port"),
                 QStringLiteral("COM1"), QStringLiteral("--ports"), driveZ(work("portas2.ini"))});
    const PortRun refused = winePorts::finishReading(
        second, [&] { return line.take(); }, kJobWait);
    EXPECT_EQ(refused.exitCode, 6) << refused.err;
    EXPECT_NE(refused.err.find("Não foi possível enviar as etiquetas para a porta COM1 (com1): "
                               "impressora ocupada por outro trabalho deste computador [93]."),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(refused.received, "");

    ASSERT_TRUE(line.answer(kXon));
    const PortRun printed = winePorts::finishReading(
        first, [&] { return line.take(); }, kJobWait);
    EXPECT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_EQ(printed.received,
              expectedJob(sampleItems(), {1, 2}, settingsRecord(kModel, "01"), samplePath("")));
}

}  // namespace
}  // namespace rotulano::test
