#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>

#include "core/FileStatusTitles.h"
#include "core/SystemPath.h"
#include "core/WorkingFolder.h"
#include "support/TestSupport.h"

namespace rotulano::core {
namespace {

#ifdef _WIN32
constexpr const char* kSeparator = "\\";
#else
constexpr const char* kSeparator = "/";
#endif

const std::string kRefusal = "A pasta de trabalho do Rotulano não pode ser usada:\n";

// Each test starts in a folder of its own and goes back where it was, whatever it entered.
class WorkingFolderTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(parent_.isValid()); }
    void TearDown() override { QDir::setCurrent(previous_); }

    std::string parent() const { return pathFromQt(QDir::toNativeSeparators(parent_.path())); }
    std::string own() const { return parent() + kSeparator + "Rotulano"; }
    static QString current() { return QFileInfo(QDir::currentPath()).canonicalFilePath(); }
    QString canonicalOwn() const { return QFileInfo(pathToQt(own())).canonicalFilePath(); }

    QTemporaryDir parent_;
    test::ScopedWorkingDir started_;
    QString previous_ = QDir::currentPath();
};

TEST_F(WorkingFolderTest, MakesTheProgramsFolderTheFirstTimeAndWorksThere) {
    EXPECT_EQ(enterOwnFolder(parent()), "");

    EXPECT_TRUE(QFileInfo(pathToQt(own())).isDir());
    EXPECT_EQ(current(), canonicalOwn());
    // The probe that checks the folder takes files leaves none behind.
    EXPECT_TRUE(
        QDir(pathToQt(own()))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
            .isEmpty());
}

TEST_F(WorkingFolderTest, KeepsAnExistingFolderWithTheSettingsInIt) {
    ASSERT_TRUE(QDir(parent_.path()).mkdir(QStringLiteral("Rotulano")));
    const std::string settings = own() + kSeparator + "CD21PRM.DAT";
    const std::string record(146, 'S');
    test::writeBytes(settings, record);

    EXPECT_EQ(enterOwnFolder(parent()), "");

    EXPECT_EQ(current(), canonicalOwn());
    EXPECT_EQ(test::readBytes("CD21PRM.DAT"), record);
}

TEST_F(WorkingFolderTest, RefusesAFileOfThatNameNamingTheFolder) {
    test::writeBytes(own(), "not a folder");
    const QString before = current();

    EXPECT_EQ(enterOwnFolder(parent()),
              kRefusal + own() + "\nexiste com esse nome um arquivo, não uma pasta");

    EXPECT_EQ(current(), before);
    EXPECT_EQ(test::readBytes(own()), "not a folder");
}

TEST_F(WorkingFolderTest, RefusesAMissingUserFolderWithTheCauseOfTheFailedMake) {
    const std::string missing = parent() + kSeparator + "nao-existe";
    const QString before = current();

    EXPECT_EQ(enterOwnFolder(missing),
              kRefusal + missing + kSeparator + "Rotulano\n" + fileStatusCause(kStatusNotFound));

    EXPECT_EQ(current(), before);
    EXPECT_FALSE(QFileInfo::exists(pathToQt(missing)));
}

TEST_F(WorkingFolderTest, WithoutTheStartMenuFlagTheProgramStaysWhereItWasStarted) {
    const QString before = current();
    char program[] = "rotulano";
    char other[] = "--menu";
    char* argv[] = {program, other, nullptr};

    EXPECT_TRUE(enterWorkingFolder(2, argv));

    EXPECT_EQ(current(), before);
}

TEST_F(WorkingFolderTest, TheUsersFolderIsAFolderThatExists) {
    const std::string user = userFolder();

    ASSERT_FALSE(user.empty());
    EXPECT_TRUE(QFileInfo(pathToQt(user)).isDir()) << user;
}

}  // namespace
}  // namespace rotulano::core
