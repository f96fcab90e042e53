#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <sstream>
#include <string>

#include "core/QtOwnFiles.h"

using rotulano::core::QtOwnFiles;
using rotulano::core::unsafeQtFile;

namespace {

struct FileCase {
    const char* name;
    std::function<bool(const std::string& path)> make;
    const char* cause;  // empty: the file may go to Qt
};

bool writeSmall(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::WriteOnly) && file.write("[Rules]\n*.debug=false\n") > 0;
}

// A file of 8 GB that takes no room on the disk.
bool makeSparse(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::WriteOnly) && file.resize(8LL * 1024 * 1024 * 1024);
}

bool makeFifo(const std::string& path) {
    return ::mkfifo(path.c_str(), 0600) == 0;
}

bool makeFolder(const std::string& path) {
    return QDir().mkpath(QString::fromStdString(path));
}

class QtFiles : public ::testing::TestWithParam<FileCase> {
  protected:
    QTemporaryDir dir;
};

// Only a regular file of a few lines, or none, is handed to Qt; the file is never read,
// so that a named pipe never blocks and an 8 GB file costs nothing.
TEST_P(QtFiles, AreLookedAtNeverOpenedWaiting) {
    const FileCase& c = GetParam();
    const std::string path = dir.filePath(QStringLiteral("qtlogging.ini")).toStdString();
    if (c.make) {
        ASSERT_TRUE(c.make(path));
    }
    EXPECT_EQ(unsafeQtFile(path), c.cause);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, QtFiles,
    ::testing::Values(
        FileCase{"Missing", nullptr, ""}, FileCase{"SmallRegularFile", writeSmall, ""},
        FileCase{"NamedPipe", makeFifo, "não é um arquivo comum (dispositivo, pipe ou socket)"},
        FileCase{"Folder", makeFolder, "é uma pasta"},
        FileCase{"SparseEightGigabytes", makeSparse,
                 "tem 8589934592 bytes, mais que os 1048576 de um arquivo de configuração"}),
    [](const auto& info) { return std::string(info.param.name); });

// The environment as it was, put back after each case.
class SavedEnvironment {
  public:
    SavedEnvironment() {
        for (const char* name : kNames) {
            values_.push_back(qgetenv(name));
            set_.push_back(qEnvironmentVariableIsSet(name));
        }
    }
    ~SavedEnvironment() {
        for (std::size_t i = 0; i < std::size(kNames); ++i) {
            if (set_[i]) {
                qputenv(kNames[i], values_[i]);
            } else {
                qunsetenv(kNames[i]);
            }
        }
    }

  private:
    static constexpr const char* kNames[] = {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS",
                                             "QT_LOGGING_CONF"};
    std::vector<QByteArray> values_;
    std::vector<bool> set_;
};

struct PlaceCase {
    const char* name;
    const char* folder;  // "home" or "system"
    const char* file;    // inside it
};

class QtOwnFilesInPlace : public ::testing::TestWithParam<PlaceCase> {
  protected:
    SavedEnvironment saved;
    QTemporaryDir home;
    QTemporaryDir system;
};

// A named pipe where Qt looks for its files: named on the error output, and Qt gets an
// empty folder of its own in place of both configuration folders.
TEST_P(QtOwnFilesInPlace, ABadFileSendsQtToAnEmptyFolder) {
    const PlaceCase& c = GetParam();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(system.path()));
    const QString folder = std::string(c.folder) == "home" ? home.path() : system.path();
    const std::string path = (folder + "/" + c.file).toStdString();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(QString::fromStdString(path)).path()));
    ASSERT_TRUE(makeFifo(path));
    std::ostringstream err;
    const QtOwnFiles files(err, "rotulano: ");
    ASSERT_TRUE(files.redirected());
    EXPECT_EQ(err.str(), "rotulano: arquivo do Qt " + path +
                             " não é um arquivo comum (dispositivo, pipe ou socket): ignorado, o "
                             "Qt usa uma pasta de configuração vazia\n");
    const QString empty = QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
    EXPECT_NE(empty, home.path());
    EXPECT_EQ(qgetenv("XDG_CONFIG_DIRS"), qgetenv("XDG_CONFIG_HOME"));
    EXPECT_TRUE(QDir(empty).exists());
    EXPECT_TRUE(QDir(empty).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Places, QtOwnFilesInPlace,
    ::testing::Values(PlaceCase{"LoggingRulesOfTheUser", "home", "QtProject/qtlogging.ini"},
                      PlaceCase{"DialogStateOfTheUser", "home", "QtProject.conf"},
                      PlaceCase{"LoggingRulesOfTheSystem", "system", "QtProject/qtlogging.ini"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtOwnFiles, SoundFilesLeaveTheEnvironmentAlone) {
    SavedEnvironment saved;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("QtProject")));
    ASSERT_TRUE(writeSmall(home.filePath(QStringLiteral("QtProject/qtlogging.ini")).toStdString()));
    std::ostringstream err;
    const QtOwnFiles files(err, "rotulano: ");
    EXPECT_FALSE(files.redirected());
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(QFile::decodeName(qgetenv("XDG_CONFIG_HOME")), home.path());
}

// The file QT_LOGGING_CONF names is dropped when it is a named pipe.
TEST(QtOwnFiles, ABadLoggingFileNamedByTheEnvironmentIsDropped) {
    SavedEnvironment saved;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    const std::string pipe = home.filePath(QStringLiteral("regras.ini")).toStdString();
    ASSERT_TRUE(makeFifo(pipe));
    qputenv("QT_LOGGING_CONF", QByteArray::fromStdString(pipe));
    std::ostringstream err;
    const QtOwnFiles files(err, "rotulano-render: ");
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_LOGGING_CONF"));
    EXPECT_NE(err.str().find("rotulano-render: arquivo do Qt " + pipe), std::string::npos);
}

}  // namespace
