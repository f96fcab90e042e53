#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>

#include "RenderTestSupport.h"
#include "WineProgram.h"

// rotulano-render.exe writing to a console. Wine gives a program whose output is a Unix
// terminal a console, and shows the console's characters on the terminal in its locale's
// encoding (UTF-8 here). The tool's UTF-8 messages must arrive as the same characters:
// bytes written to the console as they are would be read in the console's code page
// ("OpÃ§Ã£o" for "Opção").
namespace rotulano::test {
namespace {

constexpr int kProgramWaitMs = 300000;

// What reached the terminal, once the program has ended: every byte the other side of
// the pseudo-terminal can still read.
std::string drain(int master) {
    std::string bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(master, buffer, sizeof buffer);
        if (count <= 0) {
            break;  // EIO once the program's side is closed, EAGAIN when nothing is left
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    return bytes;
}

// The text a terminal shows: without the console's cursor commands and carriage returns.
std::string shownText(const std::string& bytes) {
    QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    text.remove(QRegularExpression(QStringLiteral("\\x1b\\[[0-9;?]*[A-Za-z]")));
    text.remove(QLatin1Char('\r'));
    return text.toStdString();
}

struct TerminalRun {
    int exitCode = -1;
    std::string terminal;
};

// Runs a Windows program (the zip's rotulano-render.exe unless given) with its standard
// input, output and error output on a pseudo-terminal of the test, bounded in time.
TerminalRun runOnTerminal(const QStringList& arguments, const QString& workingDir,
                          const QString& program = unpackedZip().render) {
    int master = -1;
    int slave = -1;
    TerminalRun run;
    // Wide enough that the console never wraps a message.
    winsize size{};
    size.ws_row = 50;
    size.ws_col = 1000;
    if (::openpty(&master, &slave, nullptr, nullptr, &size) != 0) {
        ADD_FAILURE() << "no pseudo-terminal: errno " << errno;
        return run;
    }
    QProcess process;
    QProcessEnvironment environment = windowsProgramEnvironment();
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.remove(QStringLiteral("LC_ALL"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingDir);
    process.setChildProcessModifier([slave] {
        ::setsid();
        ::ioctl(slave, TIOCSCTTY, 0);
        ::dup2(slave, STDIN_FILENO);
        ::dup2(slave, STDOUT_FILENO);
        ::dup2(slave, STDERR_FILENO);
    });
    process.start(QStringLiteral(ROTULANO_WINE_RUN), QStringList{program} + arguments);
    ::close(slave);
    // The terminal's buffer is larger than the messages: reading after the end loses nothing.
    const bool ended = process.waitForFinished(kProgramWaitMs);
    if (!ended) {
        process.kill();
        process.waitForFinished(10000);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    run.terminal = drain(master);
    ::close(master);
    run.exitCode = ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

struct ConsoleCase {
    const char* name;
    QStringList arguments;
};

void PrintTo(const ConsoleCase& c, std::ostream* out) {
    *out << c.name;
}

class ConsoleExeTest : public ::testing::TestWithParam<ConsoleCase> {
  protected:
    void SetUp() override { ASSERT_TRUE(unpackedZip().ok()) << unpackedZip().error; }

    QTemporaryDir workDir_;
};

// The terminal shows the characters of the Linux tool's text (its error output and its
// standard output), and the exit status is the same.
TEST_P(ConsoleExeTest, TerminalShowsTheLinuxText) {
    const RenderRun linux = runRender(GetParam().arguments, workDir_.path());
    const TerminalRun windows = runOnTerminal(GetParam().arguments, workDir_.path());

    ASSERT_NE(linux.exitCode, -1);
    EXPECT_EQ(windows.exitCode, linux.exitCode);
    EXPECT_EQ(shownText(windows.terminal), linux.out + linux.err) << windows.terminal;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ConsoleExeTest,
    ::testing::Values(ConsoleCase{"unknown_option", {"--opção"}},
                      ConsoleCase{"bad_rows", {"PEDIDO.txt", "--rows", "1,,x"}},
                      ConsoleCase{"version", {"--version"}}),
    [](const ::testing::TestParamInfo<ConsoleCase>& info) { return std::string(info.param.name); });

// The window program started from the Command Prompt: it has no standard handle, so its
// --version and --help must find the prompt's console themselves, in its characters.
class WindowProgramConsoleTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(unpackedZip().ok()) << unpackedZip().error; }

    TerminalRun runFromCommandPrompt(const QString& argument) {
        const QString program = QDir(unpackedZip().folder).filePath(QStringLiteral("rotulano.exe"));
        return runOnTerminal({windowsPath(program), argument}, workDir_.path(),
                             QStringLiteral(ROTULANO_COMMAND_PROMPT));
    }

    QTemporaryDir workDir_;
};

TEST_F(WindowProgramConsoleTest, VersionReachesThePromptsConsole) {
    const TerminalRun run = runFromCommandPrompt(QStringLiteral("--version"));

    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(shownText(run.terminal), "rotulano " ROTULANO_VERSION "\n") << run.terminal;
}

// The help is the Windows one (its folders are Windows'), whole and with its accents.
TEST_F(WindowProgramConsoleTest, HelpReachesThePromptsConsole) {
    const TerminalRun run = runFromCommandPrompt(QStringLiteral("--help"));
    const std::string shown = shownText(run.terminal);

    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(shown.rfind("Uso: rotulano [--menu-iniciar]\n", 0), 0U) << run.terminal;
    EXPECT_NE(shown.find("trabalha na pasta Rotulano da pasta Documentos do\n"), std::string::npos)
        << shown;
    EXPECT_NE(shown.find("impressão rotulano-XXXXXX da janela.\n"), std::string::npos) << shown;
    const std::string end = "o texto aparece numa mensagem.\n";
    ASSERT_GE(shown.size(), end.size()) << shown;
    EXPECT_EQ(shown.substr(shown.size() - end.size()), end) << shown;
}

}  // namespace
}  // namespace rotulano::test
