#include "WineProgram.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <memory>

namespace rotulano::test {

namespace {

// The first start in a new prefix copies the template; the first of a new build makes it.
constexpr int kProgramWaitMs = 300000;

QString zipFolderName() {
    return QStringLiteral("rotulano-%1-win64").arg(QStringLiteral(ROTULANO_VERSION));
}

// The Wine prefix of this test program, in a temporary folder of its own.
class WinePrefix {
  public:
    WinePrefix() : path_(folder_.filePath(QStringLiteral("prefix"))) {}

    QProcessEnvironment environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ROTULANO_WINDOWS_BUILD_DIR"),
                           QStringLiteral(ROTULANO_WINDOWS_BUILD_DIR));
        environment.insert(QStringLiteral("ROTULANO_WINE_PREFIX"), path_);
        environment.insert(QStringLiteral("ROTULANO_WINE_DLL_PATH"), QStringLiteral("none"));
        for (const char* port : {"COM1", "COM2", "COM3", "COM4", "LPT1", "LPT2"}) {
            environment.remove(QStringLiteral("ROTULANO_WINE_") + QLatin1String(port));
        }
        return environment;
    }

    // Ends only this prefix's wineserver, through wine-run, never any other.
    void stop() const {
        if (!QFileInfo::exists(path_)) {
            return;
        }
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(QStringLiteral(ROTULANO_WINE_RUN), {QStringLiteral("--stop")});
        if (!process.waitForFinished(60000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

  private:
    QTemporaryDir folder_;
    QString path_;
};

WinePrefix& prefix() {
    static WinePrefix thePrefix;
    return thePrefix;
}

// The prefix's wineserver ends with the test program, while Qt is still there.
class WineEnvironment : public ::testing::Environment {
  public:
    void TearDown() override { prefix().stop(); }
};

[[maybe_unused]] ::testing::Environment* const kWineEnvironment =
    ::testing::AddGlobalTestEnvironment(new WineEnvironment);

UnpackedZip unpack() {
    static QTemporaryDir folder;
    UnpackedZip zip;
    const QString archive = QStringLiteral(ROTULANO_WINDOWS_ZIP);
    if (!QFileInfo::exists(archive)) {
        zip.error = "no zip " + archive.toStdString() +
                    ": build the target rotulano_zip in the Windows build first";
        return zip;
    }
    QProcess tar;
    tar.setWorkingDirectory(folder.path());
    tar.start(QStringLiteral(ROTULANO_CMAKE),
              {QStringLiteral("-E"), QStringLiteral("tar"), QStringLiteral("xf"), archive});
    if (!tar.waitForFinished(120000) || tar.exitCode() != 0) {
        tar.kill();
        zip.error = "the zip could not be unpacked: " + tar.readAllStandardError().toStdString();
        return zip;
    }
    zip.folder = QDir(folder.path()).filePath(zipFolderName());
    zip.render = QDir(zip.folder).filePath(QStringLiteral("rotulano-render.exe"));
    if (!QFileInfo::exists(zip.render)) {
        zip.error = "the zip holds no " + zipFolderName().toStdString() + "/rotulano-render.exe";
    }
    return zip;
}

}  // namespace

const UnpackedZip& unpackedZip() {
    static const UnpackedZip zip = unpack();
    return zip;
}

QString windowsPath(const QString& unixPath) {
    QString path = QStringLiteral("Z:") + unixPath;
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

std::string windowsPath(const std::string& unixPath) {
    return windowsPath(QString::fromStdString(unixPath)).toStdString();
}

QProcessEnvironment windowsProgramEnvironment() {
    return prefix().environment();
}

RenderRun runWindowsProgram(const QString& program, const QStringList& arguments,
                            const QString& workingDir) {
    QProcess process;
    process.setProcessEnvironment(windowsProgramEnvironment());
    process.setWorkingDirectory(workingDir);
    process.start(QStringLiteral(ROTULANO_WINE_RUN), QStringList{program} + arguments);
    process.closeWriteChannel();
    RenderRun run;
    if (!process.waitForFinished(kProgramWaitMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished(10000);
        run.err = process.readAllStandardError().toStdString();
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

}  // namespace rotulano::test
