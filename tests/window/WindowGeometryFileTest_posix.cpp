#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>
#include <functional>
#include <string>

#include "support/ChildProcess.h"
#include "support/TestSupport.h"
#include "window/WindowGeometry.h"

// The window's size-and-place file is handed to QSettings, which opens it waiting and
// reads it whole: a named pipe or a huge file there must never hang nor end the start.
namespace {

using rotulano::window::WindowGeometry;

struct BadGeometryFile {
    const char* name;
    std::function<bool(const std::string& path)> make;
    const char* kind;   // what the file still is afterwards
    const char* cause;  // what the line on the error output says of it
};

bool makeSparse(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::WriteOnly) && file.resize(8LL * 1024 * 1024 * 1024);
}

class GeometryFiles : public ::testing::TestWithParam<BadGeometryFile> {
  protected:
    void SetUp() override { ::alarm(60); }  // a hang ends the test program, never the run
    void TearDown() override { ::alarm(0); }
};

TEST_P(GeometryFiles, AreIgnoredWithALineOnTheErrorOutput) {
    const BadGeometryFile& c = GetParam();
    rotulano::test::ScopedWorkingDir dir;
    const std::string path = dir.file("rotulano-janela.ini");
    ASSERT_TRUE(c.make(path));
    const WindowGeometry geometry(QString::fromStdString(path));
    QWidget window;
    window.resize(321, 123);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(geometry.restore(&window));
    geometry.save(&window);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "rotulano: arquivo do tamanho e posição da janela " + path + " " + c.cause +
                  ": ignorado\n");
    EXPECT_EQ(window.size(), QSize(321, 123));
    EXPECT_EQ(rotulano::test::fileKind(path), c.kind);
    if (std::string(c.kind) == "regular") {
        EXPECT_EQ(QFileInfo(QString::fromStdString(path)).size(), 8LL * 1024 * 1024 * 1024);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, GeometryFiles,
    ::testing::Values(BadGeometryFile{"NamedPipe", rotulano::test::makePipe, "pipe",
                                      "não é um arquivo comum (dispositivo, pipe ou socket)"},
                      BadGeometryFile{"SparseEightGigabytes", makeSparse, "regular",
                                      "tem 8589934592 bytes, mais que os 1048576 de um arquivo de "
                                      "configuração"},
                      BadGeometryFile{"Folder",
                                      [](const std::string& p) {
                                          return QDir().mkdir(QString::fromStdString(p));
                                      },
                                      "directory", "é uma pasta"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
