#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>

#include "RenderProcessFixture.h"
#include "printing/TcpListener.h"
#include "support/ChildProcess.h"

namespace rotulano::test {
namespace {

// A ports file that is there but cannot be read, beside the settings or named by --ports:
// the job stops before its first row with the same message either way. The saved port's
// bytes would go to the network printer of --port, so that nothing can reach a device
// if the file were ignored.
struct UnreadableCase {
    const char* name;
    std::function<bool(const std::string& path)> make;
    const char* cause;
};

const UnreadableCase kUnreadable[] = {
    {"BrokenLink",
     [](const std::string& path) { return ::symlink("nao-existe.ini", path.c_str()) == 0; },
     " é um link para um arquivo que não existe: corrija o link ou apague-o."},
    {"LinkLoop", [](const std::string& path) { return ::symlink(path.c_str(), path.c_str()) == 0; },
     " é um laço de links: corrija o link ou apague-o."},
    {"Folder", [](const std::string& path) { return QDir().mkdir(qs(path)); },
     " não é um arquivo comum."},
    {"Fifo", [](const std::string& path) { return makePipe(path); }, " não é um arquivo comum."},
};

class RenderUnreadablePortsFile : public RenderProcessTest,
                                  public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(RenderUnreadablePortsFile, StopsTheSendWithTheSameMessageBesideOrNamed) {
    TcpListener printer;
    ASSERT_TRUE(printer.ready());
    const std::string settings = writeSettings(5);
    const std::string path = work("rotulano-portas.ini");
    ASSERT_TRUE(GetParam().make(path));
    const QStringList send = {QStringLiteral("--rows"), QStringLiteral("1"),
                              QStringLiteral("--send"), QStringLiteral("--port"),
                              qs("tcp://127.0.0.1:" + std::to_string(printer.port()))};
    const RenderRun beside = runSample(settings, send);
    const RenderRun named = runSample(settings, send + QStringList{"--ports", qs(path)});
    const std::string expected = kTag + "Arquivo de portas " + path + GetParam().cause + "\n";
    for (const RenderRun* result : {&beside, &named}) {
        EXPECT_EQ(result->exitCode, 3);
        EXPECT_EQ(result->out, "");
        EXPECT_EQ(result->err, expected);
    }
    EXPECT_EQ(printer.accepted(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Kinds, RenderUnreadablePortsFile, ::testing::ValuesIn(kUnreadable),
                         [](const auto& info) { return std::string(info.param.name); });

// A destination that is a folder is refused with the file and the line when --send reads
// the file, before any row.
TEST_F(RenderProcessTest, DestinationThatIsAFolderIsRefusedWithItsLine) {
    const std::string settings = writeSettings(5);
    const std::string folder = work("impressora");
    ASSERT_TRUE(QDir().mkdir(qs(folder)));
    const std::string path = work("rotulano-portas.ini");
    writeBytes(path, "; loja\n[LPT1]\ndestino=" + folder + "\n");
    const RenderRun result = runSample(settings, {QStringLiteral("--send")});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.err, kTag + "Arquivo de portas " + path + ", linha 3: \"" + folder +
                              "\": é uma pasta, não um dispositivo de caracteres (use um "
                              "dispositivo como /dev/ttyUSB0, tcp://ENDEREÇO[:PORTA] ou "
                              "cups://FILA).\n");
    EXPECT_TRUE(tempDirEmpty());
}

}  // namespace
}  // namespace rotulano::test

namespace rotulano::test {
namespace {

// The settings named by a loop of links: the cause says so, with the path, as the window's
// start-up box does.
TEST_F(RenderProcessTest, SettingsThatAreALinkLoopAreNamedAsSuch) {
    const std::string path = work("CD21PRM.DAT");
    ASSERT_EQ(::symlink(path.c_str(), path.c_str()), 0);
    const RenderRun result = runSample(path, {QStringLiteral("--rows"), QStringLiteral("1")});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, kTag + "Status [30] Arquivo de parâmetros " + path +
                              ": o nome é um laço de links, que não leva a nenhum arquivo\n");
}

}  // namespace
}  // namespace rotulano::test
