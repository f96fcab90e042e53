#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ParameterFileFixture.h"
#include "config/ParameterFile.h"
#include "support/TestSupport.h"

using rotulano::config::ParameterFile;
using rotulano::core::PrinterSettings;
using rotulano::test::readBytes;
using rotulano::test::storedRecord;
using rotulano::test::writeBytes;

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
