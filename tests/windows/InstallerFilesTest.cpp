#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "support/TestSupport.h"

// make-setup.cmake, which turns the zip's folder into the installer's file lines and the
// uninstaller's delete lines, run on hand-made folders with a stand-in for makensis: the
// lines must name every file once, make every folder before its files, and remove every
// folder after its files and subfolders, or the uninstaller leaves folders behind.
namespace rotulano::test {
namespace {

struct MakeSetupRun {
    int exitCode = -1;
    std::string output;  // cmake's messages
    std::string lines;   // the setup-files.nsh written
};

class InstallerFilesTest : public ::testing::Test {
  protected:
    QString stage() const { return folder_.filePath(QStringLiteral("stage")); }

    void addFile(const std::string& relative, const std::string& bytes) const {
        const QString path = QDir(stage()).filePath(QString::fromStdString(relative));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        writeBytes(path.toStdString(), bytes);
    }

    // make-setup.cmake with `true` as makensis, which accepts any script.
    MakeSetupRun makeSetup() const {
        const QString files = folder_.filePath(QStringLiteral("setup-files.nsh"));
        QProcess cmake;
        cmake.setProcessChannelMode(QProcess::MergedChannels);
        cmake.start(QStringLiteral(ROTULANO_CMAKE),
                    {QStringLiteral("-DSTAGE=") + stage(), QStringLiteral("-DFILES=") + files,
                     QStringLiteral("-DSCRIPT=") + folder_.filePath(QStringLiteral("x.nsi")),
                     QStringLiteral("-DMAKENSIS=/bin/true"), QStringLiteral("-P"),
                     QStringLiteral(ROTULANO_SOURCE_DIR "/packaging/windows/make-setup.cmake")});
        MakeSetupRun run;
        if (!cmake.waitForFinished(60000)) {
            cmake.kill();
            cmake.waitForFinished(5000);
            return run;
        }
        run.exitCode = cmake.exitCode();
        run.output = cmake.readAll().toStdString();
        if (QFileInfo::exists(files)) {
            run.lines = readBytes(files.toStdString());
        }
        return run;
    }

    QTemporaryDir folder_;
};

TEST_F(InstallerFilesTest, NamesEveryFileAndRemovesEveryFolderAfterItsContents) {
    addFile("rotulano.exe", std::string(1024, 'x'));
    addFile("plugins/platforms/qwindows.dll", std::string(1025, 'y'));
    addFile("plugins/styles/qwindowsvistastyle.dll", "z");
    addFile("samples/PEDIDO.txt", "p");
    const std::string s = stage().toStdString();

    const MakeSetupRun run = makeSetup();

    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.lines, "; Made by make-setup.cmake from " + s +
                             "\n"
                             "!macro ROTULANO_INSTALL_FILES\n"
                             "    SetOutPath \"$INSTDIR\"\n"
                             "    File \"" +
                             s +
                             "/rotulano.exe\"\n"
                             "    SetOutPath \"$INSTDIR\\plugins\"\n"
                             "    SetOutPath \"$INSTDIR\\plugins\\platforms\"\n"
                             "    File \"" +
                             s +
                             "/plugins/platforms/qwindows.dll\"\n"
                             "    SetOutPath \"$INSTDIR\\plugins\\styles\"\n"
                             "    File \"" +
                             s +
                             "/plugins/styles/qwindowsvistastyle.dll\"\n"
                             "    SetOutPath \"$INSTDIR\\samples\"\n"
                             "    File \"" +
                             s +
                             "/samples/PEDIDO.txt\"\n"
                             "!macroend\n"
                             "!macro ROTULANO_REMOVE_FILES\n"
                             "    Delete \"$INSTDIR\\rotulano.exe\"\n"
                             "    Delete \"$INSTDIR\\plugins\\platforms\\qwindows.dll\"\n"
                             "    Delete \"$INSTDIR\\plugins\\styles\\qwindowsvistastyle.dll\"\n"
                             "    Delete \"$INSTDIR\\samples\\PEDIDO.txt\"\n"
                             "    RMDir \"$INSTDIR\\samples\"\n"
                             "    RMDir \"$INSTDIR\\plugins\\styles\"\n"
                             "    RMDir \"$INSTDIR\\plugins\\platforms\"\n"
                             "    RMDir \"$INSTDIR\\plugins\"\n"
                             "!macroend\n"
                             // 1024 + 1025 + 1 + 1 bytes: 2051, 3 kilobytes rounded up.
                             "!define ROTULANO_INSTALLED_KB 3\n");
}

struct RefusedCase {
    const char* name;
    std::vector<std::string> files;  // made in the folder, each holding one byte
    const char* message;             // what make-setup says
};

class RefusedFolderTest : public InstallerFilesTest,
                          public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedFolderTest, StopsBeforeAnyInstallerIsMade) {
    ASSERT_TRUE(QDir().mkpath(stage()));
    for (const std::string& file : GetParam().files) {
        addFile(file, "x");
    }
    const MakeSetupRun run = makeSetup();
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find(GetParam().message), std::string::npos) << run.output;
    EXPECT_EQ(run.lines, "");
}

INSTANTIATE_TEST_SUITE_P(
    Folders, RefusedFolderTest,
    ::testing::Values(RefusedCase{"empty", {}, "is empty"},
                      RefusedCase{"dollar", {"a.exe", "sub/$x.dll"}, "the installer cannot name"},
                      RefusedCase{"quote", {"a\"b.txt"}, "the installer cannot name"}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rotulano::test
