#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "preview/PrinterFont.h"
#include "preview/ProgramFonts.h"

// The faces the label preview draws with: Linux has them installed; the Windows programs
// carry them beside themselves (the test program too, as rotulano.exe in the zip), and the
// window tests draw labels with them as the program does.
namespace {

using rotulano::preview::addProgramFonts;
using rotulano::preview::PrinterFont;
using rotulano::preview::programFontsFolder;

QStringList& addedAtStart() {
    static QStringList families;
    return families;
}

class ProgramFontsEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { addedAtStart() = addProgramFonts(); }
};

const ::testing::Environment* const kProgramFonts =
    ::testing::AddGlobalTestEnvironment(new ProgramFontsEnvironment);

// One font file to copy: the program's own on Windows, Debian's on Linux.
QString monospacedFontFile() {
#ifdef _WIN32
    return programFontsFolder() + QStringLiteral("/DejaVuSansMono-Bold.ttf");
#else
    return QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf");
#endif
}

TEST(ProgramFonts, TheProgramsFolderBringsItsFacesWhereTheSystemLacksThem) {
#ifdef _WIN32
    const QStringList expected = {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Nimbus Sans"),
                                  QStringLiteral("Nimbus Sans Narrow")};
#else
    const QStringList expected;  // no fonts folder beside a Linux program: the system's faces
#endif
    EXPECT_EQ(addedAtStart(), expected);
}

// Only *.otf and *.ttf files are read, and one Qt cannot read adds nothing.
TEST(ProgramFonts, OnlyReadableFontFilesAddFamilies) {
    QTemporaryDir folder;
    ASSERT_TRUE(QFile::copy(monospacedFontFile(), folder.filePath("mono.ttf")));
    ASSERT_TRUE(QFile::copy(monospacedFontFile(), folder.filePath("mono.bin")));
    QFile broken(folder.filePath("broken.otf"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a font");
    broken.close();
    EXPECT_EQ(addProgramFonts(folder.path()), QStringList{QStringLiteral("DejaVu Sans Mono")});
    EXPECT_EQ(addProgramFonts(folder.filePath("missing")), QStringList());
}

// With the program's faces a field takes the room it takes on Linux, less what each
// system's font engine lays out differently: Windows (FreeType under Wine, the same face
// files) ends a line a few dots sooner. Another face would be tens of dots away.
TEST(ProgramFonts, FieldsTakeTheRoomOfTheProgramsFaces) {
    struct Case {
        PrinterFont::Face face;
        int linuxWidth;
        int windowsWidth;
    };
    const Case cases[] = {{PrinterFont::Face::Condensed, 543, 541},
                          {PrinterFont::Face::Regular, 677, 669}};
    for (const Case& one : cases) {
        SCOPED_TRACE(static_cast<int>(one.face));
        const PrinterFont font(one.face, 100, 60);
#ifdef _WIN32
        const int expected = one.windowsWidth;
#else
        const int expected = one.linuxWidth;
#endif
        EXPECT_EQ(font.measure(QStringLiteral("CAMISETA MANGA CURTA 0123")).width(), expected);
    }
}

}  // namespace
