#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "../CommandRun.h"

namespace rotulano::test {
namespace {

// --help and --version are answered before the display is opened: they work on a
// machine without one (a server, a build, an ssh session).
TEST(ProgramStartTest, VersionAndHelpNeedNoDisplay) {
    const QProcessEnvironment noDisplay = environmentWithoutDisplay();
    for (const QString& program :
         {QStringLiteral(ROTULANO_WINDOW_PROGRAM), QStringLiteral(ROTULANO_RENDER_PROGRAM)}) {
        const QString name = QFileInfo(program).fileName();
        const CommandRun version = runCommand(program, {"--version"}, noDisplay);
        EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
        EXPECT_EQ(version.out, name + " " ROTULANO_VERSION "\n");
        EXPECT_EQ(version.err, "");
        for (const char* help : {"--help", "-h"}) {
            const CommandRun run = runCommand(program, {help}, noDisplay);
            EXPECT_EQ(run.exitCode, 0) << help << run.err.toStdString();
            EXPECT_TRUE(run.out.startsWith("Uso: " + name + " ")) << run.out.toStdString();
            EXPECT_EQ(run.err, "");
        }
    }
}

// The menu's working folder is a file: the program says which folder and why, and ends
// with status 1 (without a display, on the error output only).
class FolderFailureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        QFile file(home_.filePath("Rotulano"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QProcessEnvironment environment() const {
        QProcessEnvironment environment = environmentWithoutDisplay();
        environment.insert("HOME", home_.path());
        return environment;
    }

    std::string expectedMessage() const { return folderIsAFileMessage(home_.filePath("Rotulano")); }

    QTemporaryDir home_;
};

TEST_F(FolderFailureTest, WithoutADisplayTheErrorOutputNamesTheFolder) {
    const CommandRun run = runCommand(ROTULANO_WINDOW_PROGRAM, {"--menu-iniciar"}, environment());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.toStdString(), expectedMessage());
}

// With a display the same message waits in a box for the operator: the program is still
// there, showing it, after the message is out.
TEST_F(FolderFailureTest, WithADisplayTheMessageWaitsInABox) {
    QProcessEnvironment offscreen = environment();
    offscreen.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess process;
    process.setProcessEnvironment(offscreen);
    process.start(ROTULANO_WINDOW_PROGRAM, {"--menu-iniciar"});
    ASSERT_TRUE(process.waitForStarted());
    const BoxedMessage shown = readMessageShownInABox(process);
    EXPECT_EQ(shown.err, expectedMessage());
    EXPECT_TRUE(shown.stillShowing) << "the program ended without a box";
}

}  // namespace
}  // namespace rotulano::test
