#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <sstream>
#include <string>

#include "core/QtOwnFiles.h"

// Qt's own file on Windows, the logging rules, where Qt looks for it: the first folder Qt
// names for generic configuration (the user's %LOCALAPPDATA%; the test program's Qt test
// folder inside it, as the test program runs in Qt's test mode).
namespace {

using rotulano::core::QtOwnFiles;

const char* const kTail = ": ignorado, o Qt usa uma pasta de configuração vazia\n";

class QtOwnFilesWin : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation).value(0);
        ASSERT_FALSE(folder_.isEmpty());
        ASSERT_FALSE(QDir(folder_ + "/QtProject").exists()) << "left by another run";
        ASSERT_TRUE(QDir().mkpath(folder_ + "/QtProject"));
    }
    void TearDown() override {
        QDir(folder_ + "/QtProject").removeRecursively();
        qunsetenv("QT_LOGGING_CONF");
    }
    QString rules() const { return folder_ + "/QtProject/qtlogging.ini"; }

    QString folder_;
};

bool makeFile(const QString& path, qint64 size) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("[Rules]\n") > 0 &&
           (size == 0 || file.resize(size));
}

TEST_F(QtOwnFilesWin, AFolderInPlaceOfTheRulesIsNamedAndSetAside) {
    ASSERT_TRUE(QDir().mkpath(rules()));
    std::ostringstream err;
    const QtOwnFiles files(err, "rotulano: ");
    EXPECT_TRUE(files.redirected());
    EXPECT_EQ(err.str(),
              "rotulano: arquivo do Qt " + rules().toStdString() + " é uma pasta" + kTail);
}

TEST_F(QtOwnFilesWin, AHugeRulesFileIsNamedAndSetAside) {
    ASSERT_TRUE(makeFile(rules(), 8LL * 1024 * 1024 * 1024));
    std::ostringstream err;
    const QtOwnFiles files(err, "rotulano-render: ");
    EXPECT_TRUE(files.redirected());
    EXPECT_EQ(err.str(), "rotulano-render: arquivo do Qt " + rules().toStdString() +
                             " tem 8589934592 bytes, mais que os 1048576 de um arquivo de "
                             "configuração" +
                             kTail);
}

TEST_F(QtOwnFilesWin, ASoundRulesFileIsLeftToQt) {
    ASSERT_TRUE(makeFile(rules(), 0));
    std::ostringstream err;
    const QtOwnFiles files(err, "rotulano: ");
    EXPECT_FALSE(files.redirected());
    EXPECT_EQ(err.str(), "");
}

// The file QT_LOGGING_CONF names is dropped when it is a folder.
TEST_F(QtOwnFilesWin, ABadLoggingFileNamedByTheEnvironmentIsDropped) {
    const QString named = folder_ + "/QtProject/regras.ini";
    ASSERT_TRUE(QDir().mkpath(named));
    qputenv("QT_LOGGING_CONF", named.toUtf8());
    std::ostringstream err;
    const QtOwnFiles files(err, "rotulano: ");
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_LOGGING_CONF"));
    EXPECT_EQ(err.str(), "rotulano: arquivo do Qt " + named.toStdString() + " é uma pasta" + kTail);
}

}  // namespace
