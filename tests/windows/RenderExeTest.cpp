#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "RenderTestSupport.h"
#include "WineProgram.h"
#include "support/TestSupport.h"

// rotulano-render.exe from the portable zip under Wine against the Linux rotulano-render
// of this build: the same job bytes for every printer model, to a file and through a
// pipe, and the same messages, byte for byte (UTF-8, LF line ends).
namespace rotulano::test {
namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

class RenderExeTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(unpackedZip().ok()) << unpackedZip().error; }

    std::string work(const std::string& name) const {
        return workDir_.filePath(qs(name)).toStdString();
    }

    std::string writeSettings(int model) const {
        const std::string path = work("PARAM" + std::to_string(model) + ".DAT");
        writeBytes(path, settingsRecord(model));
        return path;
    }

    // The sample order with `settings`, file names as each system writes them.
    static QStringList sampleArguments(const std::string& settings, bool windows) {
        const auto name = [windows](const std::string& path) {
            return windows ? windowsPath(qs(path)) : qs(path);
        };
        return {name(samplePath("PEDIDO.txt")), QStringLiteral("--settings"), name(settings),
                QStringLiteral("--logo-dir"), name(samplePath(""))};
    }

    RenderRun runLinux(const QStringList& arguments) const {
        return runRender(arguments, workDir_.path());
    }

    RenderRun runWindows(const QStringList& arguments) const {
        return runWindowsProgram(unpackedZip().render, arguments, workDir_.path());
    }

    QTemporaryDir workDir_;
};

// Every printer model: the output file of the .exe holds the Linux tool's bytes, which
// are the print job's own.
class EveryModelExeTest : public RenderExeTest, public ::testing::WithParamInterface<int> {};

TEST_P(EveryModelExeTest, OutputFileHoldsTheLinuxBytes) {
    const std::string settings = writeSettings(GetParam());
    const std::string linuxOut = work("linux.out");
    const std::string windowsOut = work("windows.out");

    const RenderRun linux =
        runLinux(sampleArguments(settings, false) + QStringList{"-o", qs(linuxOut)});
    const RenderRun windows = runWindows(sampleArguments(settings, true) +
                                         QStringList{"-o", windowsPath(qs(windowsOut))});

    ASSERT_EQ(linux.exitCode, 0) << linux.err;
    ASSERT_EQ(windows.exitCode, 0) << windows.err;
    EXPECT_EQ(windows.err, "");
    EXPECT_EQ(windows.out, "");
    const std::string expected = readBytes(linuxOut);
    EXPECT_EQ(expected, expectedJob(sampleItems(), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14},
                                    settingsRecord(GetParam()), samplePath("")));
    EXPECT_EQ(readBytes(windowsOut), expected);
}

INSTANTIATE_TEST_SUITE_P(Models, EveryModelExeTest, ::testing::Values(1, 2, 3, 4, 5, 6));

struct PipeCase {
    const char* name;
    int model;
    QStringList more;  // how the standard output is asked for
};

void PrintTo(const PipeCase& c, std::ostream* out) {
    *out << c.name;
}

// The standard output is a pipe: the bytes come through it as they are, no LF turned
// into CR LF, with -o - and with no -o at all.
class PipeExeTest : public RenderExeTest, public ::testing::WithParamInterface<PipeCase> {};

TEST_P(PipeExeTest, StandardOutputCarriesTheLinuxBytes) {
    const std::string settings = writeSettings(GetParam().model);

    const RenderRun linux = runLinux(sampleArguments(settings, false) + GetParam().more);
    const RenderRun windows = runWindows(sampleArguments(settings, true) + GetParam().more);

    ASSERT_EQ(linux.exitCode, 0) << linux.err;
    ASSERT_EQ(windows.exitCode, 0) << windows.err;
    ASSERT_NE(linux.out.find('\n'), std::string::npos);
    EXPECT_EQ(windows.out, linux.out);
    EXPECT_EQ(windows.err, "");
}

INSTANTIATE_TEST_SUITE_P(Pipes, PipeExeTest,
                         ::testing::Values(PipeCase{"zpl_dash", 1, {"-o", "-"}},
                                           PipeCase{"dpl_dash", 4, {"-o", "-"}},
                                           PipeCase{"zpl_no_output_option", 2, {}},
                                           PipeCase{"dpl_no_output_option", 6, {}}),
                         [](const ::testing::TestParamInfo<PipeCase>& info) {
                             return std::string(info.param.name);
                         });

struct MessageCase {
    const char* name;
    QStringList arguments;  // none names a file: the messages are the same on both systems
};

void PrintTo(const MessageCase& c, std::ostream* out) {
    *out << c.name;
}

// Text to a pipe goes out as the Linux tool writes it: the same UTF-8 bytes, the same LF
// line ends, the same exit status.
class MessageExeTest : public RenderExeTest, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(MessageExeTest, SameBytesAndStatusAsLinux) {
    const RenderRun linux = runLinux(GetParam().arguments);
    const RenderRun windows = runWindows(GetParam().arguments);

    ASSERT_NE(linux.exitCode, -1);
    ASSERT_FALSE(linux.out.empty() && linux.err.empty());
    EXPECT_EQ(windows.exitCode, linux.exitCode) << windows.err;
    EXPECT_EQ(windows.out, linux.out);
    EXPECT_EQ(windows.err, linux.err);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, MessageExeTest,
    ::testing::Values(MessageCase{"help", {"--help"}}, MessageCase{"version", {"--version"}},
                      MessageCase{"unknown_option", {"--opção"}},
                      MessageCase{"no_order", {"--rows", "1"}},
                      MessageCase{"bad_rows", {"PEDIDO.txt", "--rows", "1,,x"}}),
    [](const ::testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.name); });

// The version that --version names is the project's, the one the resource carries too.
TEST_F(RenderExeTest, VersionIsTheProjects) {
    const RenderRun windows = runWindows({QStringLiteral("--version")});

    ASSERT_EQ(windows.exitCode, 0) << windows.err;
    EXPECT_NE(windows.out.find(ROTULANO_VERSION), std::string::npos) << windows.out;
}

}  // namespace
}  // namespace rotulano::test
