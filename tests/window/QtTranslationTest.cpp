#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "window/QtTranslation.h"

using rotulano::window::QtTranslation;

namespace {

const char* const kQtFile = "qtbase_pt_BR.qm";

QString fileChooserText(const char* english) {
    return QCoreApplication::translate("QFileDialog", english);
}

// A translations folder of the test's own, holding Qt's Portuguese file when asked.
class QtTranslationFolder : public ::testing::Test {
  protected:
    void putQtPortuguese() {
        const QString installed = QtTranslation::programFolder() + "/" + kQtFile;
        ASSERT_TRUE(QFile::exists(installed))
            << installed.toStdString() << " missing: install qt6-translations-l10n";
        ASSERT_TRUE(QFile::copy(installed, folder.filePath(kQtFile)));
    }

    QTemporaryDir folder;
};

TEST_F(QtTranslationFolder, FilePresentQtSpeaksPortugueseUntilTheLanguageIsEnglish) {
    putQtPortuguese();
    QtTranslation translation(folder.path());
    EXPECT_TRUE(translation.follow(1));
    EXPECT_EQ(fileChooserText("Look in:"), QStringLiteral("Procurar em:"));
    EXPECT_EQ(fileChooserText("List View"), QStringLiteral("Exibição em lista"));
    EXPECT_FALSE(translation.follow(2));
    EXPECT_EQ(fileChooserText("Look in:"), QStringLiteral("Look in:"));
}

TEST_F(QtTranslationFolder, FilePresentEnglishInterfaceKeepsQtEnglish) {
    putQtPortuguese();
    QtTranslation translation(folder.path());
    EXPECT_FALSE(translation.follow(2));
    EXPECT_EQ(fileChooserText("Look in:"), QStringLiteral("Look in:"));
}

TEST_F(QtTranslationFolder, FileAbsentQtStaysEnglishWithoutAWord) {
    QtTranslation translation(folder.path());
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(translation.follow(1));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(fileChooserText("Look in:"), QStringLiteral("Look in:"));
}

// The program finds Qt's Portuguese where it is installed: Debian's folder on Linux, the
// translations folder beside the program on Windows (the test program has one, as the zip).
TEST(QtTranslationProgramFolder, HoldsQtsPortuguese) {
    QtTranslation translation(QtTranslation::programFolder());
    EXPECT_TRUE(translation.follow(1));
    EXPECT_EQ(fileChooserText("Look in:"), QStringLiteral("Procurar em:"));
}

// The translation goes with the object: no test, and no window, keeps it by mistake.
TEST_F(QtTranslationFolder, EndsWithTheObject) {
    putQtPortuguese();
    {
        QtTranslation translation(folder.path());
        ASSERT_TRUE(translation.follow(1));
    }
    EXPECT_EQ(fileChooserText("Look in:"), QStringLiteral("Look in:"));
}

}  // namespace
