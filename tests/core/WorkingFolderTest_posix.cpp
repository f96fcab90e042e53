#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "core/FileStatusTitles.h"
#include "core/WorkingFolder.h"

namespace rotulano::core {
namespace {

// Puts an environment variable back as it was when the object goes.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const std::string& value)
        : name_(name), had_(std::getenv(name) != nullptr), old_(had_ ? std::getenv(name) : "") {
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (had_) {
            ::setenv(name_, old_.c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    const char* name_;
    bool had_;
    std::string old_;
};

class WorkingFolderPosixTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(home_.isValid()); }
    void TearDown() override { QDir::setCurrent(previous_); }

    std::string home() const { return home_.path().toStdString(); }

    QTemporaryDir home_;
    QString previous_ = QDir::currentPath();
};

// As the desktop launcher does: ~/Rotulano, made the first time.
TEST_F(WorkingFolderPosixTest, TheStartMenuFlagWorksInTheHomeFoldersRotulano) {
    const ScopedEnvironment homeVariable("HOME", home());
    char program[] = "rotulano";
    char flag[] = "--menu-iniciar";
    char* argv[] = {program, flag, nullptr};

    EXPECT_TRUE(enterWorkingFolder(2, argv));

    EXPECT_EQ(QDir::currentPath(), QFileInfo(home_.path() + "/Rotulano").canonicalFilePath());
}

TEST_F(WorkingFolderPosixTest, AFolderThatTakesNoFileIsRefusedNamingIt) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the administrator writes into any folder";
    }
    const std::string own = home() + "/Rotulano";
    ASSERT_TRUE(QDir(home_.path()).mkdir(QStringLiteral("Rotulano")));
    ASSERT_EQ(::chmod(own.c_str(), 0555), 0);
    const QString before = QDir::currentPath();

    const std::string message = enterOwnFolder(home());

    ::chmod(own.c_str(), 0755);
    EXPECT_EQ(message, "A pasta de trabalho do Rotulano não pode ser usada:\n" + own + "\n" +
                           fileStatusCause(kStatusNotPermitted));
    EXPECT_EQ(QDir::currentPath(), before);
}

TEST_F(WorkingFolderPosixTest, WithoutAHomeTheStartMenuFlagEndsTheProgram) {
    const ScopedEnvironment homeVariable("HOME", "");
    const QString before = QDir::currentPath();
    char program[] = "rotulano";
    char flag[] = "--menu-iniciar";
    char* argv[] = {program, flag, nullptr};

    EXPECT_FALSE(enterWorkingFolder(2, argv));

    EXPECT_EQ(QDir::currentPath(), before);
}

}  // namespace
}  // namespace rotulano::core
