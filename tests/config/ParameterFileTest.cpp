#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "config/ParameterFile.h"
#include "support/ChildProcess.h"
#include "support/TestSupport.h"

using rotulano::config::ParameterFile;
using rotulano::core::PrinterSettings;
using rotulano::test::readBytes;
using rotulano::test::writeBytes;

namespace {

// Model 6, port COM2, darkness 27, no pause, margins 5 and 12, speed C, English, then a
// filler that is not the program's zeros, so that a save must carry it byte for byte.
std::string storedRecord() {
    std::string filler = "Ajuste local: n\xe3o mexer \xd8 ";
    filler.resize(132, '#');
    return "1060427N0512C2" + filler;
}

class ParameterFileTest : public ::testing::Test {
  protected:
    std::string file(const std::string& name = "CD21PRM.DAT") const {
        return dir_.path().toStdString() + "/" + name;
    }
    QTemporaryDir dir_;
};

}  // namespace

TEST_F(ParameterFileTest, CreatesTheDefaultRecordAsExactly146PlainBytes) {
    rotulano::test::ScopedWorkingDir workingDir;
    EXPECT_EQ(ParameterFile().create(PrinterSettings::defaults()), "00");
    EXPECT_EQ(readBytes(workingDir.file("CD21PRM.DAT")), "1010110S000001" + std::string(132, '0'));
}

TEST_F(ParameterFileTest, ReadsEveryStoredField) {
    writeBytes(file(), storedRecord());
    PrinterSettings settings;
    ASSERT_EQ(ParameterFile(file()).read(settings), "00");
    EXPECT_EQ(settings.record(), storedRecord());
    EXPECT_EQ(settings.model(), 6);
    EXPECT_EQ(settings.port(), 4);
    EXPECT_EQ(settings.darkness(), 27);
    EXPECT_FALSE(settings.pause());
    EXPECT_EQ(settings.leftMargin(), 5);
    EXPECT_EQ(settings.topMargin(), 12);
    EXPECT_EQ(settings.speed(), 'C');
    EXPECT_EQ(settings.language(), 2);
}

struct ContentCase {
    const char* name;
    std::string bytes;
    const char* status;
};

class ParameterFileContent : public ::testing::TestWithParam<ContentCase> {};

TEST_P(ParameterFileContent, ReadGivesTheStatusAndKeepsTheRecordOnFailure) {
    const ContentCase& c = GetParam();
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/CD21PRM.DAT";
    writeBytes(path, c.bytes);
    PrinterSettings settings = PrinterSettings::defaults();
    EXPECT_EQ(ParameterFile(path).openCheck(), "00");
    EXPECT_EQ(ParameterFile(path).read(settings), c.status);
    const bool ok = std::string(c.status) == "00";
    EXPECT_EQ(settings.record(), ok ? storedRecord() : PrinterSettings::defaults().record());
}

INSTANTIATE_TEST_SUITE_P(
    Records, ParameterFileContent,
    ::testing::Values(ContentCase{"exact", storedRecord(), "00"},
                      ContentCase{"extraBytesIgnored", storedRecord() + "\r\n1999", "00"},
                      ContentCase{"oneByteShort", storedRecord().substr(0, 145), "23"},
                      ContentCase{"empty", "", "23"},
                      ContentCase{"wrongKey", "2" + storedRecord().substr(1), "23"},
                      ContentCase{"blankKey", " " + storedRecord().substr(1), "23"},
                      ContentCase{"lineOfText", "1060427N0512C2\r\n", "23"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParameterFileTest, MissingFileIs35ForEveryOperationButCreate) {
    ParameterFile parameters(file());
    PrinterSettings settings;
    EXPECT_EQ(parameters.openCheck(), "35");
    EXPECT_EQ(parameters.read(settings), "35");
    EXPECT_EQ(parameters.rewrite(settings), "35");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file())));
    EXPECT_EQ(ParameterFile(file("no-such-dir/CD21PRM.DAT")).create(settings), "35");
}

TEST_F(ParameterFileTest, DirectoryInPlaceOfTheFileIs39) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir("CD21PRM.DAT"));
    ParameterFile parameters(file());
    PrinterSettings settings;
    EXPECT_EQ(parameters.openCheck(), "39");
    EXPECT_EQ(parameters.read(settings), "39");
    EXPECT_EQ(parameters.rewrite(settings), "39");
    EXPECT_EQ(parameters.create(settings), "39");
}

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

TEST_F(ParameterFileTest, RewriteChangesTheFieldsAndCarriesPositions15To146) {
    writeBytes(file(), storedRecord());
    ParameterFile parameters(file());
    PrinterSettings settings;
    ASSERT_EQ(parameters.read(settings), "00");
    settings.setModel(2);
    settings.setPort(1);
    settings.setDarkness(9);
    settings.setPause(true);
    settings.setLeftMargin(7);
    settings.setTopMargin(0);
    settings.setSpeed('S');
    settings.setLanguage(1);
    ASSERT_EQ(parameters.rewrite(settings), "00");
    EXPECT_EQ(readBytes(file()), "1020109S0700S1" + storedRecord().substr(14));
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

TEST_F(ParameterFileTest, RewriteOfAFileWithoutRecordIs23AndChangesNothing) {
    const std::string damaged = "0" + storedRecord().substr(1);
    writeBytes(file(), damaged);
    EXPECT_EQ(ParameterFile(file()).rewrite(PrinterSettings::defaults()), "23");
    EXPECT_EQ(readBytes(file()), damaged);
}

TEST_F(ParameterFileTest, SavedRecordAlwaysCarriesKey1) {
    writeBytes(file(), storedRecord());
    PrinterSettings settings("9" + storedRecord().substr(1));
    ASSERT_EQ(ParameterFile(file()).rewrite(settings), "00");
    EXPECT_EQ(readBytes(file()), storedRecord());
}
