#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "InstallerShortcut.h"
#include "RenderTestSupport.h"
#include "WineProgram.h"
#include "support/TestSupport.h"

// The installer of the Windows build, as a user runs it silently: in a Wine prefix of
// this test's own (never the other tests' one), installed, used, then uninstalled. It
// must install exactly the zip's files and its own uninstaller, give programs that run
// from Program Files, a Start-menu shortcut with the start-menu flag and an Add/Remove
// Programs entry; the uninstaller must take all of that away and leave the user's
// Documents\Rotulano as it was.
namespace rotulano::test {
namespace {

constexpr int kWaitMs = 300000;
const QString kInstallDir = QStringLiteral("C:\\Program Files\\Rotulano");
const QString kUninstallKey =
    QStringLiteral("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Rotulano");

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// Every file (and, when asked, every folder) under `root`, as sorted relative paths.
QStringList entriesUnder(const QString& root, bool withFolders) {
    QStringList entries;
    const QDir::Filters filters = (withFolders ? QDir::Files | QDir::Dirs : QDir::Files) |
                                  QDir::NoDotAndDotDot | QDir::Hidden;
    QDirIterator it(root, filters, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        entries << QDir(root).relativeFilePath(it.next());
    }
    entries.sort();
    return entries;
}

// A listing one entry a line, as a failure shows it.
std::string lines(const QStringList& entries) {
    return entries.join(QLatin1Char('\n')).toStdString();
}

std::string lines(const QMap<QString, QString>& values) {
    QStringList entries;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        entries << it.key() + QLatin1Char('=') + it.value();
    }
    return lines(entries);
}

class InstallerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        environment_ = windowsProgramEnvironment();
        environment_.insert(QStringLiteral("ROTULANO_WINE_PREFIX"), prefix());
        ASSERT_TRUE(unpackedZip().ok()) << unpackedZip().error;
        ASSERT_TRUE(QFileInfo::exists(QStringLiteral(ROTULANO_WINDOWS_SETUP)))
            << "no installer " ROTULANO_WINDOWS_SETUP
               ": build the target rotulano_setup in the Windows build first";
    }

    // Only this prefix's wineserver, and only through wine-run.
    void TearDown() override { wineRun({QStringLiteral("--stop")}); }

    QString prefix() const { return folder_.filePath(QStringLiteral("prefix")); }
    QString driveC(const QString& relative) const {
        return QDir(prefix()).filePath(QStringLiteral("drive_c/") + relative);
    }
    QString installed(const QString& relative = {}) const {
        return driveC(QStringLiteral("Program Files/Rotulano/") + relative);
    }
    QString work(const QString& name) const { return folder_.filePath(name); }

    RenderRun wineRun(const QStringList& arguments, const QString& workingDir = {}) const {
        QProcess process;
        process.setProcessEnvironment(environment_);
        process.setWorkingDirectory(workingDir.isEmpty() ? folder_.path() : workingDir);
        process.start(QStringLiteral(ROTULANO_WINE_RUN), arguments);
        process.closeWriteChannel();
        RenderRun run;
        if (!process.waitForFinished(kWaitMs) || process.exitStatus() != QProcess::NormalExit) {
            process.kill();
            process.waitForFinished(10000);
        } else {
            run.exitCode = process.exitCode();
        }
        run.out = process.readAllStandardOutput().toStdString();
        run.err = process.readAllStandardError().toStdString();
        return run;
    }

    // The values of the uninstall entry as reg.exe shows them ("REG_SZ Rotulano"); none
    // when the key is not there (reg.exe's exit status 1).
    QMap<QString, QString> uninstallEntry() const {
        const RenderRun reg = wineRun({driveC(QStringLiteral("windows/system32/reg.exe")),
                                       QStringLiteral("query"), kUninstallKey});
        QMap<QString, QString> values;
        if (reg.exitCode != 0) {
            EXPECT_EQ(reg.exitCode, 1) << reg.err;
            return values;
        }
        const QRegularExpression line(QStringLiteral("^    (\\S+)    (REG_\\w+)    (.*?)\\r?$"),
                                      QRegularExpression::MultilineOption);
        auto matches = line.globalMatch(qs(reg.out));
        while (matches.hasNext()) {
            const auto match = matches.next();
            values[match.captured(1)] = match.captured(2) + QLatin1Char(' ') + match.captured(3);
        }
        return values;
    }

    // The Start-menu programs of every user, where the shortcut goes.
    QString startMenuPrograms() const {
        return driveC(QStringLiteral("ProgramData/Microsoft/Windows/Start Menu/Programs"));
    }
    QString shortcutFile() const { return startMenuPrograms() + QStringLiteral("/Rotulano.lnk"); }

    // As NSIS runs an uninstaller: a copy of it outside the folder, told the folder after
    // "_?=", so that it can remove its own file and ends before it returns. The folder
    // must follow "_?=" unquoted, spaces and all, which only a command line that cmd.exe
    // passes on as it is gives (a program's arguments are quoted when they hold spaces).
    RenderRun uninstall() const {
        const QString copy = QStringLiteral("C:\\windows\\temp\\Un_A.exe");
        if (!QFile::copy(installed(QStringLiteral("Uninstall.exe")),
                         driveC(QStringLiteral("windows/temp/Un_A.exe")))) {
            return {-1, "", "the uninstaller could not be copied"};
        }
        return wineRun({driveC(QStringLiteral("windows/system32/cmd.exe")), QStringLiteral("/c"),
                        copy + QStringLiteral(" /S _?=") + kInstallDir});
    }

    // The Documents folder of the prefix's user, as rotulano.exe --menu-iniciar finds it.
    QString documents() const {
        const QStringList users = QDir(driveC(QStringLiteral("users")))
                                      .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                                      .filter(QRegularExpression(QStringLiteral("^(?!Public$)")));
        return users.size() == 1
                   ? driveC(QStringLiteral("users/") + users.first() + QStringLiteral("/Documents"))
                   : QString();
    }

    // The prefix made, what Program Files holds before the installer, and a file of the
    // user's in the working folder, which the uninstaller must keep. The Documents folder
    // is never a link: it would lead out of the test's own folder.
    void prepareUsersPrefix() {
        const RenderRun prepared = wineRun({QStringLiteral("--prepare")});
        ASSERT_EQ(prepared.exitCode, 0) << prepared.err;
        programFilesBefore_ = entriesUnder(driveC(QStringLiteral("Program Files")), true);
        const QString userFolder = documents();
        ASSERT_FALSE(userFolder.isEmpty()) << "no single user folder in " << prefix().toStdString();
        ASSERT_TRUE(QFileInfo(userFolder).isDir() && !QFileInfo(userFolder).isSymLink());
        ASSERT_TRUE(QDir(userFolder).mkpath(QStringLiteral("Rotulano")));
        userFile_ = (userFolder + QStringLiteral("/Rotulano/CD21PRM.DAT")).toStdString();
        writeBytes(userFile_, settingsRecord(4));
    }

    // The installed rotulano-render.exe, which finds its DLLs beside it (no DLL path is
    // given), names the Linux tool's version and, run in the installed folder on the
    // installed samples, writes the Linux tool's bytes.
    void expectInstalledRenderAsLinux() const {
        const QString program = installed(QStringLiteral("rotulano-render.exe"));
        const RenderRun version = wineRun({program, QStringLiteral("--version")});
        const RenderRun linuxVersion = runRender({QStringLiteral("--version")}, folder_.path());
        ASSERT_EQ(version.exitCode, 0) << version.err;
        EXPECT_EQ(version.out, linuxVersion.out);
        EXPECT_NE(version.out.find(ROTULANO_VERSION), std::string::npos) << version.out;

        const QString settings = work(QStringLiteral("PARAM1.DAT"));
        writeBytes(settings.toStdString(), settingsRecord(1));
        const QString windowsOut = work(QStringLiteral("windows.out"));
        const RenderRun render =
            wineRun({program, QStringLiteral("samples\\PEDIDO.txt"), QStringLiteral("--settings"),
                     windowsPath(settings), QStringLiteral("--logo-dir"), QStringLiteral("samples"),
                     QStringLiteral("-o"), windowsPath(windowsOut)},
                    installed());
        ASSERT_EQ(render.exitCode, 0) << render.err;
        EXPECT_EQ(render.err, "");
        const QString linuxOut = work(QStringLiteral("linux.out"));
        const RenderRun linux = runRender({qs(samplePath("PEDIDO.txt")), "--settings", settings,
                                           "--logo-dir", qs(samplePath("")), "-o", linuxOut},
                                          folder_.path());
        ASSERT_EQ(linux.exitCode, 0) << linux.err;
        EXPECT_EQ(readBytes(windowsOut.toStdString()), readBytes(linuxOut.toStdString()));
    }

    QTemporaryDir folder_;
    QProcessEnvironment environment_;
    QStringList programFilesBefore_;
    std::string userFile_;
};

// The size Add/Remove Programs shows: the zip's files, in kilobytes rounded up, as REG_DWORD.
QString zipKilobytes() {
    qint64 bytes = 0;
    for (const QString& file : entriesUnder(unpackedZip().folder, false)) {
        bytes += QFileInfo(QDir(unpackedZip().folder).filePath(file)).size();
    }
    return QStringLiteral("REG_DWORD 0x%1").arg((bytes + 1023) / 1024, 0, 16);
}

void expectInstalledAsTheZip(const QString& installedRoot) {
    const QString zipRoot = unpackedZip().folder;
    QStringList expected = entriesUnder(zipRoot, false) << QStringLiteral("Uninstall.exe");
    expected.sort();
    ASSERT_EQ(lines(entriesUnder(installedRoot, false)), lines(expected));
    for (const QString& file : entriesUnder(zipRoot, false)) {
        EXPECT_TRUE(readBytes(QDir(installedRoot).filePath(file).toStdString()) ==
                    readBytes(QDir(zipRoot).filePath(file).toStdString()))
            << file.toStdString() << " differs from the zip's";
    }
}

void expectUninstallEntry(const QMap<QString, QString>& entry) {
    const QMap<QString, QString> expected = {
        {"DisplayName", "REG_SZ Rotulano"},
        {"DisplayVersion", "REG_SZ " ROTULANO_VERSION},
        {"Publisher", "REG_SZ Rotulano"},
        {"DisplayIcon", "REG_SZ " + kInstallDir + "\\rotulano.exe"},
        {"InstallLocation", "REG_SZ " + kInstallDir},
        {"UninstallString", "REG_SZ \"" + kInstallDir + "\\Uninstall.exe\""},
        {"QuietUninstallString", "REG_SZ \"" + kInstallDir + "\\Uninstall.exe\" /S"},
        {"EstimatedSize", zipKilobytes()},
        {"NoModify", "REG_DWORD 0x1"},
        {"NoRepair", "REG_DWORD 0x1"}};
    EXPECT_EQ(lines(entry), lines(expected));
}

TEST_F(InstallerTest, InstallsSilentlyRunsFromProgramFilesAndUninstallsKeepingTheUsersFiles) {
    ASSERT_NO_FATAL_FAILURE(prepareUsersPrefix());
    // Twice, as an upgrade runs: the second removes the first through its uninstaller
    // before copying, and one installation must stay, whole.
    for (int run = 1; run <= 2; ++run) {
        const RenderRun install =
            wineRun({QStringLiteral(ROTULANO_WINDOWS_SETUP), QStringLiteral("/S")});
        ASSERT_EQ(install.exitCode, 0) << "install " << run << ": " << install.err;
    }

    expectInstalledAsTheZip(installed());
    expectUninstallEntry(uninstallEntry());
    const Shortcut shortcut = readShortcut(readBytes(shortcutFile().toStdString()));
    ASSERT_TRUE(shortcut.ok()) << shortcut.error;
    EXPECT_EQ(qs(shortcut.target), kInstallDir + QStringLiteral("\\rotulano.exe"));
    EXPECT_EQ(shortcut.arguments, "--menu-iniciar");
    expectInstalledRenderAsLinux();

    const QStringList startMenuInstalled = entriesUnder(startMenuPrograms(), true);
    const RenderRun uninstalled = uninstall();
    ASSERT_EQ(uninstalled.exitCode, 0) << uninstalled.err;
    EXPECT_FALSE(QFileInfo::exists(installed()))
        << entriesUnder(installed(), true).join(' ').toStdString();
    EXPECT_EQ(lines(entriesUnder(driveC(QStringLiteral("Program Files")), true)),
              lines(programFilesBefore_));
    QStringList startMenuLeft = startMenuInstalled;
    startMenuLeft.removeOne(QStringLiteral("Rotulano.lnk"));
    EXPECT_EQ(lines(entriesUnder(startMenuPrograms(), true)), lines(startMenuLeft));
    EXPECT_EQ(lines(uninstallEntry()), "");
    EXPECT_EQ(readBytes(userFile_), settingsRecord(4));
}

}  // namespace
}  // namespace rotulano::test
