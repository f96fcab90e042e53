#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <csignal>

#include "ParameterFileFixture.h"
#include "config/ParameterFile.h"
#include "support/ChildProcess.h"
#include "support/TestSupport.h"

// The parameter file's cases that need the system's users, file modes, inode numbers and
// file size limit.

using rotulano::config::ParameterFile;
using rotulano::core::PrinterSettings;
using rotulano::test::readBytes;
using rotulano::test::storedRecord;
using rotulano::test::writeBytes;

// The administrator reads every file, so the reading runs as an operator who may not.
TEST_F(ParameterFileTest, UnreadableFileIs37) {
    if (!rotulano::test::operatorRunsPossible()) {
        GTEST_SKIP() << "no user \"nobody\" to read the parameter file as";
    }
    ASSERT_TRUE(rotulano::test::openToOperator(dir_.path().toStdString()));
    writeBytes(file(), storedRecord());
    ASSERT_EQ(::chmod(file().c_str(), 0), 0);
    const auto run = rotulano::test::answerAsOperator(dir_.path().toStdString(), [&] {
        PrinterSettings settings;
        return ParameterFile(file()).openCheck() + " " + ParameterFile(file()).read(settings);
    });
    ASSERT_EQ(run.exitCode, 0) << "the reading as \"nobody\" did not end well";
    EXPECT_EQ(run.out, "37 37");
}

TEST_F(ParameterFileTest, RewriteReplacesTheFileWholeAndLeavesNothingBehind) {
    writeBytes(file(), storedRecord());
    struct stat before {};
    ASSERT_EQ(::stat(file().c_str(), &before), 0);
    PrinterSettings settings(storedRecord());
    settings.setSpeed('B');
    ASSERT_EQ(ParameterFile(file()).rewrite(settings), "00");
    struct stat after {};
    ASSERT_EQ(::stat(file().c_str(), &after), 0);
    // A new file took the old one's place: the old bytes were never overwritten in place.
    EXPECT_NE(before.st_ino, after.st_ino);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"CD21PRM.DAT"});
    EXPECT_EQ(readBytes(file()).size(), 146u);
}

TEST_F(ParameterFileTest, SaveCutShortLeavesTheOldRecordIntact) {
    writeBytes(file(), storedRecord());
    PrinterSettings settings(storedRecord());
    settings.setModel(5);
    // Files may not grow beyond 100 bytes: the new record cannot be written whole.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string status = ParameterFile(file()).rewrite(settings);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_NE(status, "00");
    EXPECT_EQ(readBytes(file()), storedRecord());
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"CD21PRM.DAT"});
}

TEST_F(ParameterFileTest, ReadOnlyFileIsNeverReplaced) {
    writeBytes(file(), storedRecord());
    ASSERT_EQ(::chmod(file().c_str(), 0444), 0);
    PrinterSettings settings(storedRecord());
    settings.setModel(1);
    EXPECT_EQ(ParameterFile(file()).rewrite(settings), "37");
    EXPECT_EQ(ParameterFile(file()).create(settings), "37");
    EXPECT_EQ(readBytes(file()), storedRecord());
}
