#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <map>

#include "BuiltPackage.h"
#include "support/TestSupport.h"

namespace rotulano::test {
namespace {

// Every file the package installs, with its mode.
const std::map<QString, QString> kInstalledFiles = {
    {"usr/bin/rotulano", "-rwxr-xr-x"},
    {"usr/bin/rotulano-render", "-rwxr-xr-x"},
    {"usr/libexec/rotulano/rotulano-desktop", "-rwxr-xr-x"},
    {"usr/share/applications/rotulano.desktop", "-rw-r--r--"},
    {"usr/share/icons/hicolor/scalable/apps/rotulano.svg", "-rw-r--r--"},
    {"usr/share/man/man1/rotulano.1.gz", "-rw-r--r--"},
    {"usr/share/man/man1/rotulano-render.1.gz", "-rw-r--r--"},
    {"usr/share/man/pt/man1/rotulano.1.gz", "-rw-r--r--"},
    {"usr/share/man/pt/man1/rotulano-render.1.gz", "-rw-r--r--"},
    {"usr/share/metainfo/rotulano.metainfo.xml", "-rw-r--r--"},
    {"usr/share/rotulano/PEDIDO.txt", "-rw-r--r--"},
    {"usr/share/rotulano/LOGOVRDL.GRF", "-rw-r--r--"},
    {"usr/share/rotulano/LOGOVRDL.BMP", "-rw-r--r--"},
    {"usr/share/doc/rotulano/copyright", "-rw-r--r--"},
    {"usr/share/doc/rotulano/changelog.gz", "-rw-r--r--"},
    {"usr/share/doc/rotulano/README.Debian.gz", "-rw-r--r--"},
};

struct ListedPath {
    QString mode;
    QString owner;
    QString path;
};

// `dpkg-deb -c` lines: mode, owner, size, date, time, "./path".
std::vector<ListedPath> listedPaths(const QString& listing) {
    std::vector<ListedPath> paths;
    for (const QString& line : listing.split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
        if (fields.size() >= 6) {
            QString path = fields[5];
            paths.push_back(
                {fields[0], fields[1], path.remove(0, 2).remove(QRegularExpression("/$"))});
        }
    }
    return paths;
}

QString debArchitecture() {
    return runCommand("dpkg", {"--print-architecture"}).out.trimmed();
}

TEST_F(PackageTest, FileIsNamedAfterTheVersionAndTheArchitecture) {
    EXPECT_EQ(QFileInfo(package().debPath).fileName(),
              "rotulano_" ROTULANO_VERSION "_" + debArchitecture() + ".deb");
}

TEST_F(PackageTest, ControlFileNamesThePackageItsPlaceAndWhatItNeeds) {
    EXPECT_EQ(package().field("Package"), "rotulano");
    EXPECT_EQ(package().field("Version"), ROTULANO_VERSION);
    EXPECT_EQ(package().field("Architecture"), debArchitecture());
    EXPECT_EQ(package().field("Section"), "utils");
    EXPECT_EQ(package().field("Priority"), "optional");
    EXPECT_TRUE(package().field("Maintainer").contains(QRegularExpression("^.+ <[^ @]+@[^ @]+>$")))
        << package().field("Maintainer").toStdString();
    const QString depends = package().field("Depends");
    for (const char* library : {"libqt6widgets6", "libqt6svg6", "libzint", "libc6"}) {
        EXPECT_TRUE(depends.contains(library)) << library << " not in " << depends.toStdString();
    }
    EXPECT_EQ(package().field("Recommends"), "qt6-translations-l10n");
}

TEST_F(PackageTest, DescriptionIsEnglishWithASynopsisAndAnExtendedPart) {
    const QString description = package().field("Description");
    const QStringList lines = description.split('\n');
    ASSERT_GT(lines.size(), 2);
    EXPECT_EQ(lines.front(), "price tags and labels of LOJASVERDELIS orders on thermal printers");
    EXPECT_TRUE(description.contains("Rotulano opens the fixed-width purchase-order files"));
    for (const QChar c : description) {
        EXPECT_LT(c.unicode(), 0x80) << "not plain English text: " << description.toStdString();
    }
}

TEST_F(PackageTest, InstallsEveryFileWithItsModeAndNothingElse) {
    std::map<QString, QString> files;
    for (const ListedPath& listed : listedPaths(package().listing())) {
        EXPECT_EQ(listed.owner, "root/root") << listed.path.toStdString();
        if (listed.mode.startsWith('d')) {
            EXPECT_EQ(listed.mode, "drwxr-xr-x") << listed.path.toStdString();
        } else {
            files[listed.path] = listed.mode;
            EXPECT_TRUE(QFileInfo(package().installed(listed.path)).isFile())
                << "not unpacked: " << listed.path.toStdString();
        }
    }
    EXPECT_EQ(files, kInstalledFiles);
}

TEST_F(PackageTest, ProgramsAreStrippedAndStart) {
    for (const QString program : {"usr/bin/rotulano", "usr/bin/rotulano-render"}) {
        const CommandRun sections =
            runCommand("readelf", {"-S", "--wide", package().installed(program)});
        ASSERT_EQ(sections.exitCode, 0) << sections.err.toStdString();
        EXPECT_FALSE(sections.out.contains(".symtab")) << program.toStdString();
        EXPECT_FALSE(sections.out.contains(".debug_info")) << program.toStdString();
    }
    const CommandRun help = runCommand(package().installed("usr/bin/rotulano-render"), {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Uso: rotulano-render PEDIDO.txt")) << help.out.toStdString();
}

// Debian's hardening: every stack protected, fortified string functions, the whole
// relocation table read-only after start (RELRO with BIND_NOW), and no compiler notes.
TEST_F(PackageTest, ProgramsAreHardened) {
    for (const QString program : {"usr/bin/rotulano", "usr/bin/rotulano-render"}) {
        const QString path = package().installed(program);
        const QString sections = runCommand("readelf", {"-S", "--wide", path}).out;
        EXPECT_FALSE(sections.contains(" .comment ")) << program.toStdString();
        EXPECT_FALSE(sections.contains(" .note ")) << program.toStdString();
        EXPECT_TRUE(runCommand("readelf", {"-l", "--wide", path}).out.contains("GNU_RELRO"))
            << program.toStdString();
        const QString dynamic = runCommand("readelf", {"-d", "--wide", path}).out;
        EXPECT_TRUE(dynamic.contains(QRegularExpression("FLAGS.*\\bBIND_NOW\\b|\\bNOW\\b")))
            << program.toStdString() << dynamic.toStdString();
        const QString symbols = runCommand("readelf", {"--dyn-syms", "--wide", path}).out;
        EXPECT_TRUE(symbols.contains("__stack_chk_fail")) << program.toStdString();
        EXPECT_TRUE(symbols.contains(QRegularExpression("__\\w+_chk@"))) << program.toStdString();
    }
}

TEST_F(PackageTest, SampleFilesAreTheRepositorysOwn) {
    for (const std::string name : {"PEDIDO.txt", "LOGOVRDL.GRF", "LOGOVRDL.BMP"}) {
        const QString installed =
            package().installed("usr/share/rotulano/" + QString::fromStdString(name));
        EXPECT_EQ(readBytes(installed.toStdString()), readBytes(samplePath(name))) << name;
    }
}

TEST_F(PackageTest, IconIsASquareScalableDrawing) {
    QSvgRenderer icon(package().installed("usr/share/icons/hicolor/scalable/apps/rotulano.svg"));
    ASSERT_TRUE(icon.isValid());
    EXPECT_EQ(icon.viewBox().width(), icon.viewBox().height());
}

TEST_F(PackageTest, CopyrightAndChangelogNameThisVersion) {
    const std::string copyright =
        readBytes(package().installed("usr/share/doc/rotulano/copyright").toStdString());
    EXPECT_EQ(
        copyright.rfind(
            "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n", 0),
        0u);
    EXPECT_NE(copyright.find("\nFiles: *\n"), std::string::npos);
    const QString changelog = gunzipped(package().installed("usr/share/doc/rotulano/changelog.gz"));
    EXPECT_TRUE(changelog.startsWith("rotulano (" ROTULANO_VERSION ") "))
        << changelog.toStdString();
    EXPECT_TRUE(changelog.contains("\n -- " + package().field("Maintainer") + "  "))
        << changelog.toStdString();
}

// Lintian knows Debian's rules for a package; it reports what breaks them as errors and
// what is likely wrong as warnings.
TEST_F(PackageTest, LintianFindsNoErrorOrWarning) {
    const QString lintian = QStandardPaths::findExecutable("lintian");
    if (lintian.isEmpty()) {
        GTEST_SKIP() << "lintian is not installed";
    }
    const CommandRun run = runCommand(lintian, {"--fail-on", "error,warning", package().debPath});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_FALSE(
        run.out.contains(QRegularExpression("^[EW]: ", QRegularExpression::MultilineOption)))
        << run.out.toStdString();
}

}  // namespace
}  // namespace rotulano::test
