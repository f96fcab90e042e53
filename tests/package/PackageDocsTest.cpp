#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "BuiltPackage.h"
#include "support/TestSupport.h"

namespace rotulano::test {
namespace {

const QString kMetainfo = "usr/share/metainfo/rotulano.metainfo.xml";

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The changelog's top entry: its items (" * ..." with the lines that follow) and date.
struct ChangelogEntry {
    QStringList items;
    QDateTime date;
};

ChangelogEntry topEntry(const QString& changelog) {
    ChangelogEntry entry;
    for (const QString& line : changelog.split('\n')) {
        if (line.startsWith(" -- ")) {
            entry.date = QDateTime::fromString(line.section("  ", 1), Qt::RFC2822Date);
            break;
        }
        if (line.startsWith("  * ")) {
            entry.items << line.mid(4);
        } else if (line.startsWith("    ") && !entry.items.isEmpty()) {
            entry.items.back() += ' ' + line.trimmed();
        }
    }
    return entry;
}

TEST_F(PackageTest, ReadmeDebianHoldsThePrinterSetUpAndNoDevelopersNotes) {
    const QString readme =
        gunzipped(package().installed("usr/share/doc/rotulano/README.Debian.gz"));
    for (const char* heading :
         {"\n## Using it\n", "\n## Where the files go\n", "\n## Printer ports on Linux\n",
          "\n### Network printers, print queues and USB-serial adapters\n"}) {
        EXPECT_TRUE(readme.contains(heading)) << heading;
    }
    for (const char* text : {"rotulano-portas.ini", "tcp://", "cups://", "dialout", "`lp`"}) {
        EXPECT_TRUE(readme.contains(text)) << text;
    }
    for (const char* heading : {"## Set-up for development", "## Fuzzing", "## Rotulano on Windows",
                                "## Installing on Debian"}) {
        EXPECT_FALSE(readme.contains(heading)) << heading;
    }
}

// Software centres list what the metadata says; its one release is the changelog's
// top entry, with that entry's version, day and items.
TEST_F(PackageTest, MetainfoReleaseIsTheChangelogsTopEntry) {
    const QString metainfo = fileText(package().installed(kMetainfo));
    const ChangelogEntry entry =
        topEntry(gunzipped(package().installed("usr/share/doc/rotulano/changelog.gz")));
    ASSERT_TRUE(entry.date.isValid());
    ASSERT_FALSE(entry.items.isEmpty());
    const QString release = "<release version=\"" ROTULANO_VERSION "\" date=\"" +
                            entry.date.toUTC().toString("yyyy-MM-dd") + "\">";
    EXPECT_TRUE(metainfo.contains(release)) << metainfo.toStdString();
    EXPECT_EQ(metainfo.count("<release "), 1);
    QString shown = entry.items.join('\n');
    shown.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;");
    for (const QString& item : shown.split('\n')) {
        EXPECT_TRUE(metainfo.contains("<li>" + item + "</li>")) << item.toStdString();
    }
    EXPECT_TRUE(metainfo.contains("<launchable type=\"desktop-id\">rotulano.desktop</launchable>"));
}

TEST_F(PackageTest, MetainfoValidates) {
    const QString validator = QStandardPaths::findExecutable("appstreamcli");
    ASSERT_FALSE(validator.isEmpty()) << "appstreamcli (appstream) is missing";
    const CommandRun run = runCommand(
        validator, {"validate", "--no-net", "--pedantic", package().installed(kMetainfo)});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_FALSE(
        run.out.contains(QRegularExpression("^[EWI]: ", QRegularExpression::MultilineOption)))
        << run.out.toStdString();
}

// Two runs of cpack from one build: the same bytes, time stamps included.
TEST_F(PackageTest, ASecondPackageOfThisBuildIsByteForByteTheSame) {
    QTemporaryDir again;
    ASSERT_TRUE(again.isValid());
    const CommandRun cpack = runCommand(
        ROTULANO_CPACK_EXE, {"-G", "DEB", "--config", ROTULANO_CPACK_CONFIG, "-B", again.path()});
    ASSERT_EQ(cpack.exitCode, 0) << cpack.out.toStdString() << cpack.err.toStdString();
    const QString second = again.filePath(QFileInfo(package().debPath).fileName());
    const std::string secondBytes = readBytes(second.toStdString());
    EXPECT_FALSE(secondBytes.empty());
    EXPECT_TRUE(secondBytes == readBytes(package().debPath.toStdString()));
}

}  // namespace
}  // namespace rotulano::test
