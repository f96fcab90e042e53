#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <string>

#include "RecordingPlatform.h"
#include "printing/PortJob.h"
#include "printing/PrivateTempDir.h"
#include "support/TestSupport.h"

// The print folders that ended runs left behind: a run holds a lock on its folder's
// marker for as long as it lives, so a folder whose marker can be locked is stale and the
// next start removes it. Nothing else in the temporary directory is touched, and nothing
// is ever reached through a link.
namespace {

namespace printing = rotulano::printing;
using rotulano::test::RecordingPlatform;
using rotulano::test::writeBytes;

std::string marker() {
    return printing::PrivateTempDir::markerName();
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// What a run leaves in its folder: a print file and a written marker.
void fillFolder(const std::string& folder, mode_t mode) {
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0) << folder;
    writeBytes(folder + "/09050703.TXT", "^XA\r\n^XZ\r\n");
    writeBytes(folder + "/" + marker(), "4242\n");
    ASSERT_EQ(::chmod(folder.c_str(), mode), 0);
}

struct FolderCase {
    const char* name;
    const char* folder;  // inside the shared temporary directory
    mode_t mode;
    bool withMarker;
    bool removed;
};

class StaleFolder : public ::testing::TestWithParam<FolderCase> {
  protected:
    std::string shared() const { return dir_.path().toStdString() + "/"; }

    // A start-up: the run's own folder is made after the stale ones are gone.
    void start() {
        platform_.temp = shared();
        printing::openPrintFolder(state_, platform_, printing::kWindowFolderPrefix);
        ASSERT_FALSE(state_.tempDir.empty());
    }

    QTemporaryDir dir_;
    RecordingPlatform platform_;
    printing::ChannelState state_;
};

TEST_P(StaleFolder, OnlyTheUsersOwnUnlockedPrintFoldersAreRemoved) {
    const FolderCase& c = GetParam();
    const std::string folder = shared() + c.folder;
    fillFolder(folder, c.mode);
    if (!c.withMarker) {
        ASSERT_EQ(::chmod(folder.c_str(), 0700), 0);
        ASSERT_EQ(::unlink((folder + "/" + marker()).c_str()), 0);
        ASSERT_EQ(::chmod(folder.c_str(), c.mode), 0);
    }
    start();
    EXPECT_EQ(exists(folder), !c.removed);
    EXPECT_EQ(exists(folder + "/09050703.TXT"), !c.removed);
    ::chmod(folder.c_str(), 0700);  // so that the temporary directory can go
}

INSTANTIATE_TEST_SUITE_P(
    Folders, StaleFolder,
    ::testing::Values(FolderCase{"WindowFolder", "rotulano-Ab12Cd", 0700, true, true},
                      FolderCase{"RenderFolder", "rotulano-render-x9Y8z7", 0700, true, true},
                      FolderCase{"OpenToOthers", "rotulano-Ab12Cd", 0755, true, false},
                      FolderCase{"WithoutMarker", "rotulano-Ab12Cd", 0700, false, false},
                      FolderCase{"OtherName", "rotulano-Ab12Cd-copia", 0700, true, false},
                      FolderCase{"ShortName", "rotulano-Ab12", 0700, true, false},
                      FolderCase{"OtherProgram", "outro-Ab12Cd", 0700, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A folder whose run is alive (the test holds its marker's lock, as the run would) stays
// with its files, while a stale one beside it goes.
TEST_F(StaleFolder, ALiveFolderIsKept) {
    const std::string live = shared() + "rotulano-Live01";
    const std::string stale = shared() + "rotulano-Dead01";
    fillFolder(live, 0700);
    fillFolder(stale, 0700);
    const int lock = ::open((live + "/" + marker()).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(lock, 0);
    ASSERT_EQ(::flock(lock, LOCK_EX | LOCK_NB), 0);
    start();
    EXPECT_TRUE(exists(live + "/09050703.TXT"));
    EXPECT_TRUE(exists(live + "/" + marker()));
    EXPECT_FALSE(exists(stale));
    ::close(lock);
}

// A link named like a print folder, to a folder that looks stale: neither the link nor
// anything behind it is removed.
TEST_F(StaleFolder, ALinkNamedLikeAFolderIsNeverFollowed) {
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const std::string target = elsewhere.path().toStdString() + "/rotulano-Target";
    fillFolder(target, 0700);
    const std::string link = shared() + "rotulano-Link01";
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    start();
    EXPECT_TRUE(exists(link));
    EXPECT_TRUE(exists(target + "/09050703.TXT"));
    EXPECT_TRUE(exists(target + "/" + marker()));
}

// Inside a stale folder, a link is removed as a link: the file it points at stays.
TEST_F(StaleFolder, ALinkInsideAStaleFolderIsRemovedNotFollowed) {
    const std::string outside = dir_.path().toStdString() + "/precioso.txt";
    writeBytes(outside, "fica");
    const std::string stale = shared() + "rotulano-Dead02";
    fillFolder(stale, 0700);
    ASSERT_EQ(::symlink(outside.c_str(), (stale + "/10203040.TXT").c_str()), 0);
    start();
    EXPECT_FALSE(exists(stale));
    EXPECT_EQ(rotulano::test::readBytes(outside), "fica");
}

// The run's own folder: mode 0700, holding a written marker whose lock the run holds;
// it goes, marker and print files with it, when the last copy of the state goes.
TEST_F(StaleFolder, TheRunsOwnFolderIsLockedWhileItLivesAndRemovedAfter) {
    start();
    const std::string folder = state_.tempDir;
    struct stat st {};
    ASSERT_EQ(::lstat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700U);
    const int lock = ::open((folder + marker()).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(lock, 0);
    EXPECT_NE(::flock(lock, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(rotulano::test::readBytes(folder + marker()), std::to_string(::getpid()) + "\n");
    ::close(lock);
    // A second start beside it (another window) keeps it.
    printing::ChannelState other;
    printing::openPrintFolder(other, platform_, printing::kRenderFolderPrefix);
    EXPECT_TRUE(exists(folder));
    writeBytes(folder + "09050703.TXT", "^XA\r\n^XZ\r\n");
    state_ = printing::ChannelState();
    EXPECT_FALSE(exists(folder));
    other = printing::ChannelState();
    EXPECT_TRUE(QDir(dir_.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

// A program about to end abnormally (Qt's fatal message when the display goes) removes
// the folders it made, print files and all; the objects find nothing left to remove.
TEST_F(StaleFolder, RemoveLiveTakesAwayEveryFolderOfTheProcess) {
    start();
    printing::ChannelState other;
    printing::openPrintFolder(other, platform_, printing::kRenderFolderPrefix);
    writeBytes(state_.tempDir + "09050703.TXT", "^XA\r\n^XZ\r\n");
    ASSERT_TRUE(exists(other.tempDir));
    printing::PrivateTempDir::removeLive();
    EXPECT_FALSE(exists(state_.tempDir));
    EXPECT_FALSE(exists(other.tempDir));
    EXPECT_TRUE(QDir(dir_.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

}  // namespace
