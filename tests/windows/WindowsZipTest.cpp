#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <cstdint>

#include "WineProgram.h"
#include "support/TestSupport.h"

// The portable zip and what the build put into the programs: every file the programs
// need and nothing left to chance (each DLL imported by something in the zip, each import
// found in the zip or provided by Windows itself), the icon at every size, and the
// project's version in the version resource.
namespace rotulano::test {
namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

class WindowsZipTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(unpackedZip().ok()) << unpackedZip().error; }

    static std::string zipFile(const QString& relative) {
        return QDir(unpackedZip().folder).filePath(relative).toStdString();
    }
};

struct ZipFileCase {
    const char* path;    // inside the zip's folder
    const char* source;  // the file it must equal, empty for a program or a plugin
};

class ZipFileTest : public WindowsZipTest, public ::testing::WithParamInterface<ZipFileCase> {};

TEST_P(ZipFileTest, IsThereAsItShouldBe) {
    const std::string path = zipFile(QLatin1String(GetParam().path));
    ASSERT_TRUE(QFileInfo(qs(path)).isFile()) << path;
    const std::string source = GetParam().source;
    if (source.empty()) {
        // A Windows program or DLL starts with the "MZ" of its DOS header.
        EXPECT_EQ(readBytes(path).substr(0, 2), "MZ");
    } else {
        EXPECT_EQ(readBytes(path), readBytes(source));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ZipFileTest,
    ::testing::Values(
        ZipFileCase{"rotulano.exe", ""}, ZipFileCase{"rotulano-render.exe", ""},
        ZipFileCase{"plugins/platforms/qwindows.dll", ""},
        ZipFileCase{"plugins/platforms/qoffscreen.dll", ""},
        ZipFileCase{"plugins/styles/qwindowsvistastyle.dll", ""},
        ZipFileCase{"translations/qtbase_pt_BR.qm", ROTULANO_QT_PT_BR},
        ZipFileCase{"qt.conf", ROTULANO_SOURCE_DIR "/packaging/windows/qt.conf"},
        ZipFileCase{"samples/PEDIDO.txt", ROTULANO_SOURCE_DIR "/samples/PEDIDO.txt"},
        ZipFileCase{"samples/LOGOVRDL.GRF", ROTULANO_SOURCE_DIR "/samples/LOGOVRDL.GRF"},
        ZipFileCase{"samples/LOGOVRDL.BMP", ROTULANO_SOURCE_DIR "/samples/LOGOVRDL.BMP"},
        ZipFileCase{"fonts/NimbusSans-Bold.otf",
                    "/usr/share/fonts/opentype/urw-base35/NimbusSans-Bold.otf"},
        ZipFileCase{"fonts/NimbusSansNarrow-Bold.otf",
                    "/usr/share/fonts/opentype/urw-base35/NimbusSansNarrow-Bold.otf"},
        ZipFileCase{"fonts/DejaVuSansMono-Bold.ttf",
                    "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf"},
        ZipFileCase{"fonts/fonts-urw-base35-copyright.txt",
                    "/usr/share/doc/fonts-urw-base35/copyright"},
        ZipFileCase{"fonts/fonts-dejavu-core-copyright.txt",
                    "/usr/share/doc/fonts-dejavu-core/copyright"}),
    [](const ::testing::TestParamInfo<ZipFileCase>& info) {
        return QString::fromLatin1(info.param.path)
            .replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"))
            .toStdString();
    });

// The DLL names that `file` imports, in lower case (Windows ignores the case).
QStringList importsOf(const QString& file) {
    QProcess objdump;
    objdump.start(QStringLiteral(ROTULANO_OBJDUMP), {QStringLiteral("-p"), file});
    if (!objdump.waitForFinished(60000) || objdump.exitCode() != 0) {
        objdump.kill();
        ADD_FAILURE() << "objdump cannot read " << file.toStdString();
        return {};
    }
    QStringList names;
    const QRegularExpression line(QStringLiteral("DLL Name: (\\S+)"));
    auto matches = line.globalMatch(QString::fromUtf8(objdump.readAllStandardOutput()));
    while (matches.hasNext()) {
        names << matches.next().captured(1).toLower();
    }
    return names;
}

bool windowsProvides(const QString& name) {
    return name.startsWith(QStringLiteral("api-ms-")) ||
           name.startsWith(QStringLiteral("ext-ms-")) ||
           QFileInfo::exists(QStringLiteral(ROTULANO_SYSTEM_DLL_DIR "/") + name);
}

// Every program and DLL of the zip finds each DLL it imports beside the programs or in
// Windows (Wine's system DLLs stand in for it), and every DLL beside the programs is
// imported by something: the list is what the files ask for, no more, no less.
TEST_F(WindowsZipTest, EveryImportIsInTheZipOrWindowsAndEveryDllIsImported) {
    QSet<QString> beside;
    for (const QString& name : QDir(unpackedZip().folder).entryList({"*.dll"}, QDir::Files)) {
        beside.insert(name.toLower());
    }
    ASSERT_TRUE(beside.contains(QStringLiteral("qt6core.dll")));
    QSet<QString> imported;
    QDirIterator files(unpackedZip().folder, {"*.exe", "*.dll"}, QDir::Files,
                       QDirIterator::Subdirectories);
    int count = 0;
    while (files.hasNext()) {
        const QString file = files.next();
        ++count;
        for (const QString& name : importsOf(file)) {
            imported.insert(name);
            EXPECT_TRUE(beside.contains(name) || windowsProvides(name))
                << file.toStdString() << " imports " << name.toStdString();
        }
    }
    EXPECT_GE(count, 5);
    for (const QString& name : beside) {
        EXPECT_TRUE(imported.contains(name)) << name.toStdString() << " is imported by nothing";
    }
}

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    }
    return value;
}

// The icon holds a PNG picture at each size from 16 to 256 pixels, and both programs
// carry every one of them.
TEST_F(WindowsZipTest, IconHoldsEverySizeAndBothProgramsCarryIt) {
    const std::string icon =
        readBytes(ROTULANO_WINDOWS_BUILD_DIR "/packaging/windows/rotulano.ico");
    ASSERT_GE(icon.size(), 6U);
    ASSERT_EQ(littleEndian(icon, 0, 2), 0U);
    ASSERT_EQ(littleEndian(icon, 2, 2), 1U);
    const std::uint32_t count = littleEndian(icon, 4, 2);
    const std::vector<int> expectedSizes = {16, 20, 24, 32, 40, 48, 64, 128, 256};
    ASSERT_EQ(count, expectedSizes.size());
    const std::string render = readBytes(zipFile(QStringLiteral("rotulano-render.exe")));
    const std::string window = readBytes(zipFile(QStringLiteral("rotulano.exe")));
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const int size = expectedSizes[i];
        SCOPED_TRACE(size);
        EXPECT_EQ(littleEndian(icon, entry, 1), static_cast<std::uint32_t>(size % 256));
        const std::string png =
            icon.substr(littleEndian(icon, entry + 12, 4), littleEndian(icon, entry + 8, 4));
        const QImage picture = QImage::fromData(reinterpret_cast<const uchar*>(png.data()),
                                                static_cast<int>(png.size()), "PNG");
        EXPECT_EQ(picture.size(), QSize(size, size));
        EXPECT_NE(render.find(png), std::string::npos);
        EXPECT_NE(window.find(png), std::string::npos);
    }
}

// "2.5.0" as the UTF-16 of a version resource's strings.
std::string utf16(const QString& text) {
    std::string bytes;
    for (const QChar c : text) {
        bytes.push_back(static_cast<char>(c.unicode() & 0xFF));
        bytes.push_back(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

class VersionResourceTest : public WindowsZipTest,
                            public ::testing::WithParamInterface<const char*> {};

// The fixed part (after its signature FEEF04BD) and the strings name the project's version.
TEST_P(VersionResourceTest, NamesTheProjectVersion) {
    const std::string program = readBytes(zipFile(QLatin1String(GetParam())));
    const QStringList parts = QStringLiteral(ROTULANO_VERSION).split(QLatin1Char('.'));
    ASSERT_EQ(parts.size(), 3);
    const std::size_t fixed = program.find("\xBD\x04\xEF\xFE");
    ASSERT_NE(fixed, std::string::npos);
    EXPECT_EQ(littleEndian(program, fixed + 8, 4), (parts[0].toUInt() << 16) | parts[1].toUInt());
    EXPECT_EQ(littleEndian(program, fixed + 12, 4), parts[2].toUInt() << 16);
    EXPECT_NE(program.find(utf16(QStringLiteral("FileVersion"))), std::string::npos);
    EXPECT_NE(program.find(utf16(QStringLiteral(ROTULANO_VERSION))), std::string::npos);
    EXPECT_NE(program.find(utf16(QLatin1String(GetParam()))), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Programs, VersionResourceTest,
                         ::testing::Values("rotulano.exe", "rotulano-render.exe"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param[8] == '-' ? "render" : "window");
                         });

}  // namespace
}  // namespace rotulano::test
