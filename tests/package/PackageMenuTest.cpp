#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "BuiltPackage.h"

namespace rotulano::test {
namespace {

const QString kDesktopEntry = "usr/share/applications/rotulano.desktop";

// A key of the menu entry's [Desktop Entry] group, as written in the file.
QString entryValue(const QString& key) {
    QFile file(BuiltPackage::get().installed(kDesktopEntry));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString prefix = key + "=";
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.startsWith(prefix)) {
            return line.mid(prefix.size());
        }
    }
    return {};
}

TEST_F(PackageTest, MenuEntryIsValid) {
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    ASSERT_FALSE(validator.isEmpty()) << "desktop-file-validate (desktop-file-utils) is missing";
    const CommandRun run = runCommand(validator, {package().installed(kDesktopEntry)});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out + run.err, "");
}

TEST_F(PackageTest, MenuEntryNamesTheProgramInEnglishAndPortuguese) {
    EXPECT_EQ(entryValue("Type"), "Application");
    EXPECT_EQ(entryValue("Name"), "Rotulano");
    EXPECT_EQ(entryValue("Name[pt]"), "Rotulano");
    EXPECT_EQ(entryValue("Comment"),
              "Print the price tags and labels of LOJASVERDELIS purchase orders");
    EXPECT_EQ(entryValue("Comment[pt]"),
              "Imprime as etiquetas e os rótulos dos pedidos LOJASVERDELIS");
    EXPECT_EQ(entryValue("Terminal"), "false");
    EXPECT_EQ(entryValue("Icon"), "rotulano");
    EXPECT_TRUE(QFileInfo(package().installed("usr/share/icons/hicolor/scalable/apps/" +
                                              entryValue("Icon") + ".svg"))
                    .isFile());
}

TEST_F(PackageTest, MenuEntryRunsTheInstalledLauncher) {
    EXPECT_EQ(entryValue("Exec"), "/usr/libexec/rotulano/rotulano-desktop");
    EXPECT_TRUE(QFileInfo(package().installed(entryValue("Exec"))).isExecutable());
}

// The menu entry's command, run from the unpacked package with a home folder of its own:
// the window starts in ~/Rotulano, which it makes, and writes its settings file there,
// whatever folder it was started from.
class MenuLaunchTest : public PackageTest {
  protected:
    void SetUp() override {
        PackageTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        for (const char* folder : {"home", "elsewhere", "tmp", "runtime"}) {
            ASSERT_TRUE(QDir(dir_.path()).mkpath(folder));
        }
        QFile::setPermissions(path("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString path(const QString& relative) const { return dir_.filePath(relative); }

    // Starts the menu command and waits until the settings file is in ~/Rotulano or the
    // program ends; true while the window is still up.
    bool launchUntilSettingsExist(QProcess& process) const {
        launch(process);
        const QString settings = path("home/Rotulano/CD21PRM.DAT");
        for (int wait = 0; wait < 600; ++wait) {
            if (QFileInfo(settings).size() > 0 || process.waitForFinished(100)) {
                break;
            }
        }
        return process.state() == QProcess::Running;
    }

    // Starts the menu command with a home folder, a temporary folder and a runtime folder
    // of the test's own, from a folder that is none of them, on an offscreen display.
    void launch(QProcess& process) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", path("home"));
        environment.insert("TMPDIR", path("tmp"));
        environment.insert("XDG_RUNTIME_DIR", path("runtime"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(path("elsewhere"));
        process.start(package().installed(entryValue("Exec")), {});
    }

    QTemporaryDir dir_;
};

TEST_F(MenuLaunchTest, WindowStartsInTheUsersRotulanoFolder) {
    QProcess process;
    const bool running = launchUntilSettingsExist(process);
    const QByteArray errors = process.readAllStandardError();
    process.kill();
    process.waitForFinished();
    ASSERT_TRUE(running) << "the program ended: " << errors.toStdString();
    EXPECT_EQ(QFileInfo(path("home/Rotulano/CD21PRM.DAT")).size(), 146);
    EXPECT_FALSE(QFileInfo::exists(path("elsewhere/CD21PRM.DAT")));
    EXPECT_FALSE(QFileInfo::exists(path("home/CD21PRM.DAT")));
}

TEST_F(MenuLaunchTest, StartsAgainInTheFolderItMadeBefore) {
    ASSERT_TRUE(QDir(path("home")).mkpath("Rotulano/LOGOS"));
    QProcess process;
    const bool running = launchUntilSettingsExist(process);
    process.kill();
    process.waitForFinished();
    EXPECT_TRUE(running);
    EXPECT_EQ(QFileInfo(path("home/Rotulano/CD21PRM.DAT")).size(), 146);
    EXPECT_TRUE(QFileInfo(path("home/Rotulano/LOGOS")).isDir());
}

// `ps` shows the program under its installed name, with the menu's flag.
TEST_F(MenuLaunchTest, ProgramRunsUnderItsInstalledName) {
    QProcess process;
    const bool running = launchUntilSettingsExist(process);
    QFile cmdline("/proc/" + QString::number(process.processId()) + "/cmdline");
    const QByteArray command = cmdline.open(QIODevice::ReadOnly) ? cmdline.readAll() : QByteArray();
    process.kill();
    process.waitForFinished();
    ASSERT_TRUE(running);
    const QString program = QFileInfo(package().installed("usr/bin/rotulano")).canonicalFilePath();
    EXPECT_EQ(command, program.toUtf8() + QByteArray("\0--menu-iniciar\0", 16));
}

// ~/Rotulano is a file: started from the menu nobody reads the error output, so the
// message, naming the folder, waits in a box (the program is still there, showing it).
TEST_F(MenuLaunchTest, AFolderThatCannotBeUsedIsNamedInABox) {
    QFile file(path("home/Rotulano"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QProcess process;
    launch(process);
    const BoxedMessage shown = readMessageShownInABox(process);
    EXPECT_TRUE(shown.stillShowing) << "the program ended without a box";
    EXPECT_EQ(shown.err, folderIsAFileMessage(path("home/Rotulano")));
}

}  // namespace
}  // namespace rotulano::test
