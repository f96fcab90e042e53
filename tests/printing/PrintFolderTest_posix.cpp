#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <string>
#include <thread>

#include "RecordingPlatform.h"
#include "orders/OrderTestLines.h"
#include "printing/MemorySink.h"
#include "printing/PortSink.h"
#include "printing/PrintEngine.h"
#include "printing/PrivateTempDir.h"
#include "support/TestSupport.h"

// Where the print files go: a folder of each window's own, files created afresh, never
// through a link someone planted at the next file's name.
namespace {

namespace core = rotulano::core;
namespace printing = rotulano::printing;
using rotulano::test::readBytes;
using rotulano::test::RecordingPlatform;
using rotulano::test::writeBytes;

// A channel whose print files go into a folder of its own inside `shared`, its port LPT1
// a plain file `port`; the clock stands still, so every print file has the same name.
struct OwnChannel {
    OwnChannel(const std::string& shared, const std::string& port) : folder("rotulano") {
        platform.temp = shared;
        platform.devices["LPT1"] = port;
        platform.deliver = true;
        state.sharedTempDir = shared;
        state.tempDir = folder.path(shared);
    }

    RecordingPlatform platform;
    printing::PrivateTempDir folder;
    printing::ChannelState state;
    printing::PrintChannel channel{state, platform};
    printing::PortSink sink{channel};
    printing::PrintEngine engine{sink};
};

printing::JobRequest adhesives(int count) {
    printing::JobRequest request;
    request.orderNumber = "004711";
    request.settings.setModel(5);
    request.settings.setPort(1);
    for (int row = 1; row <= count; ++row) {
        request.rows.push_back({row, rotulano::test::itemLine('2', "000001"), row});
    }
    return request;
}

std::string memoryJob(const printing::JobRequest& request) {
    printing::MemorySink sink;
    printing::PrintEngine engine(sink);
    printing::JobObserver quiet;
    engine.run(request, quiet);
    return sink.bytes();
}

}  // namespace

TEST(PrintFolder, IsADirectoryOnlyItsUserCanEnterRemovedWithItsFiles) {
    QTemporaryDir shared;
    std::string path;
    {
        printing::PrivateTempDir folder("rotulano");
        path = folder.path(shared.path().toStdString() + "/");
        ASSERT_FALSE(path.empty());
        EXPECT_EQ(path, folder.path(shared.path().toStdString() + "/"));
        struct stat info {};
        ASSERT_EQ(::lstat(path.c_str(), &info), 0);
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_mode & 07777, 0700U);
        writeBytes(path + "09050703.TXT", "^XA^XZ\r\n");
    }
    EXPECT_FALSE(QDir(QString::fromStdString(path)).exists());
}

// Two windows in one process (or two copies of the program) print at the same hundredth
// of a second: each writes, reads back and deletes only its own print files, and each
// printer gets exactly its own job.
TEST(PrintFolder, TwoEnginesWriteSeparatePrintFiles) {
    QTemporaryDir shared;
    const std::string sharedDir = shared.path().toStdString() + "/";
    OwnChannel first(sharedDir, sharedDir + "first.prn");
    OwnChannel second(sharedDir, sharedDir + "second.prn");
    ASSERT_FALSE(first.state.tempDir.empty());
    ASSERT_NE(first.state.tempDir, second.state.tempDir);
    const printing::JobRequest one = adhesives(40);
    printing::JobRequest two = adhesives(30);
    for (auto& row : two.rows) {
        row.line = rotulano::test::itemLine('A', "000002");
    }
    printing::JobObserver quiet;
    printing::JobReport firstReport;
    printing::JobReport secondReport;
    std::thread a([&] { firstReport = first.engine.run(one, quiet); });
    std::thread b([&] { secondReport = second.engine.run(two, quiet); });
    a.join();
    b.join();
    EXPECT_EQ(firstReport.end, printing::JobEnd::Normal);
    EXPECT_EQ(secondReport.end, printing::JobEnd::Normal);
    EXPECT_EQ(first.platform.allSent(), memoryJob(one));
    EXPECT_EQ(second.platform.allSent(), memoryJob(two));
    EXPECT_NE(first.state.printFileName, second.state.printFileName);
}

// Someone plants a link at the name the next print file gets: the link is removed, never
// followed, and the file it points to keeps its content.
TEST(PrintFolder, APlantedSymlinkIsNeverFollowed) {
    QTemporaryDir shared;
    const std::string sharedDir = shared.path().toStdString() + "/";
    OwnChannel own(sharedDir, sharedDir + "port.prn");
    const std::string victim = sharedDir + "precioso.txt";
    writeBytes(victim, "nao mexer");
    const std::string next = own.state.tempDir + "09050703.TXT";  // the clock stands still
    ASSERT_EQ(::symlink(victim.c_str(), next.c_str()), 0);

    printing::JobObserver quiet;
    const printing::JobReport report = own.engine.run(adhesives(1), quiet);
    EXPECT_EQ(report.end, printing::JobEnd::Normal);
    EXPECT_EQ(readBytes(victim), "nao mexer");
    struct stat info {};
    ASSERT_EQ(::lstat(next.c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(readBytes(next), memoryJob(adhesives(1)));
    EXPECT_EQ(own.platform.allSent(), memoryJob(adhesives(1)));
}

// A file already at the name (left by a crash, or planted) is replaced, never written
// into: the printer gets the new labels alone.
TEST(PrintFolder, AFileAlreadyAtTheNameIsReplacedWhole) {
    QTemporaryDir shared;
    const std::string sharedDir = shared.path().toStdString() + "/";
    OwnChannel own(sharedDir, sharedDir + "port.prn");
    writeBytes(own.state.tempDir + "09050703.TXT", std::string(10000, 'L'));
    printing::JobObserver quiet;
    own.engine.run(adhesives(1), quiet);
    EXPECT_EQ(own.platform.allSent(), memoryJob(adhesives(1)));
}
