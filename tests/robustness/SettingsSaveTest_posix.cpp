#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>
#include <string>
#include <vector>

#include "config/ParameterFile.h"
#include "core/FileSaver.h"
#include "core/PrinterSettings.h"
#include "support/ChildProcess.h"
#include "support/TestSupport.h"

// Saving CD21PRM.DAT where a new file cannot simply take the old one's place: a file of
// another user, a folder the operator cannot write to, hard links, a full disk. The
// operator must never be locked out by a save, and a save never leaves half a record.
namespace {

namespace core = rotulano::core;
namespace test = rotulano::test;
using rotulano::config::ParameterFile;
using test::ChildSetup;

// The record a test starts from, and the one it saves (model 6, port 3).
std::string oldRecord() {
    return core::PrinterSettings::defaults().record();
}

core::PrinterSettings newSettings() {
    core::PrinterSettings settings = core::PrinterSettings::defaults();
    settings.setModel(6);
    settings.setPort(3);
    return settings;
}

// A folder of the test that "nobody" may enter (and, when `writable`, write into).
class SaveFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        ::chmod(base.path().toLocal8Bit().constData(), 0755);
        path = base.path().toStdString() + "/CD21PRM.DAT";
        test::writeBytes(path, oldRecord());
    }

    const passwd* nobody() const { return ::getpwnam("nobody"); }

    void skipUnlessRootAndNobody() {
        if (!test::runningAsRoot() || !test::nobodyExists()) {
            GTEST_SKIP() << "needs the administrator to give files to \"nobody\"";
        }
    }

    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(base.path().toStdString())) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    QTemporaryDir base;
    std::string path;
};

// The administrator saves the operator's file: it stays the operator's, with its mode,
// so that the operator's next start can still read and save it.
TEST_F(SaveFolder, ASaveByTheAdministratorKeepsTheOperatorsOwnerGroupAndMode) {
    skipUnlessRootAndNobody();
    ASSERT_EQ(::chown(path.c_str(), nobody()->pw_uid, nobody()->pw_gid), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    const std::string before = test::ownership(path);
    EXPECT_EQ(ParameterFile(path).rewrite(newSettings()), "00");
    EXPECT_EQ(test::readBytes(path), newSettings().record());
    EXPECT_EQ(test::ownership(path), before);
    // The operator starts the program again and saves once more.
    const int operatorSave = test::runInChild(ChildSetup{-1, true, {}}, [&] {
        core::PrinterSettings read;
        const ParameterFile file(path);
        return file.read(read) == "00" && file.rewrite(read) == "00" ? 0 : 1;
    });
    EXPECT_EQ(operatorSave, 0);
}

// The operator's file in a folder only the administrator may write to: the record is
// rewritten in place, where before the save failed with "37".
TEST_F(SaveFolder, AWritableFileInAFolderTheOperatorCannotWriteToIsRewrittenInPlace) {
    skipUnlessRootAndNobody();
    ASSERT_EQ(::chown(path.c_str(), nobody()->pw_uid, nobody()->pw_gid), 0);
    const auto inode = test::inodeOf(path);
    const int result = test::runInChild(ChildSetup{-1, true, {}}, [&] {
        return ParameterFile(path).rewrite(newSettings()) == "00" ? 0 : 1;
    });
    ASSERT_NE(result, 125) << "could not become \"nobody\"";
    EXPECT_EQ(result, 0);
    EXPECT_EQ(test::readBytes(path), newSettings().record());
    EXPECT_EQ(test::inodeOf(path), inode);
    EXPECT_EQ(entries(), std::vector<std::string>{"CD21PRM.DAT"});
}

// A file of another user that anyone may write to: its owner cannot be given to a new
// file, so the operator's save rewrites it in place and it stays the other user's.
TEST_F(SaveFolder, AnotherUsersWritableFileIsRewrittenInPlaceAndKeepsItsOwner) {
    skipUnlessRootAndNobody();
    ASSERT_EQ(::chmod(base.path().toLocal8Bit().constData(), 0777), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    const std::string before = test::ownership(path);
    const int result = test::runInChild(ChildSetup{-1, true, {}}, [&] {
        return ParameterFile(path).rewrite(newSettings()) == "00" ? 0 : 1;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(test::readBytes(path), newSettings().record());
    EXPECT_EQ(test::ownership(path), before);
    EXPECT_EQ(entries(), std::vector<std::string>{"CD21PRM.DAT"});
}

// The operator's own file marked read-only, in a folder the operator may write to: the
// folder would let a new file take its place, but the file is kept as it was marked.
TEST_F(SaveFolder, AFileTheOperatorMayNotWriteToIsNeverReplaced) {
    skipUnlessRootAndNobody();
    ASSERT_EQ(::chmod(base.path().toLocal8Bit().constData(), 0777), 0);
    ASSERT_EQ(::chown(path.c_str(), nobody()->pw_uid, nobody()->pw_gid), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const auto inode = test::inodeOf(path);
    const int result = test::runInChild(ChildSetup{-1, true, {}}, [&] {
        return core::FileSaver::save(path, newSettings().record()) == "37" ? 0 : 1;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(test::readBytes(path), oldRecord());
    EXPECT_EQ(test::inodeOf(path), inode);
}

// Hard links keep sharing the saved record: a new file would cut them off.
TEST_F(SaveFolder, HardLinksSeeTheSavedRecord) {
    const std::string other = base.path().toStdString() + "/OUTRO.DAT";
    ASSERT_EQ(::link(path.c_str(), other.c_str()), 0);
    EXPECT_EQ(ParameterFile(path).rewrite(newSettings()), "00");
    EXPECT_EQ(test::readBytes(other), newSettings().record());
    EXPECT_EQ(test::inodeOf(other), test::inodeOf(path));
}

// A symbolic link: the file it points to is saved, the link stays a link.
TEST_F(SaveFolder, ASymbolicLinkSavesItsFileAndStaysALink) {
    const std::string link = base.path().toStdString() + "/LINK.DAT";
    ASSERT_EQ(::symlink(path.c_str(), link.c_str()), 0);
    EXPECT_EQ(ParameterFile(link).rewrite(newSettings()), "00");
    EXPECT_EQ(test::readBytes(path), newSettings().record());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
}

// A new file is made as any new file of the user is (0666 less the umask), though its
// bytes wait under a private name first.
TEST_F(SaveFolder, ANewFileTakesTheUsersUsualPermissions) {
    const std::string made = base.path().toStdString() + "/NOVO.DAT";
    const int result = test::runInChild(ChildSetup{}, [&] {
        ::umask(027);
        return core::FileSaver::save(made, oldRecord()) == "00" ? 0 : 1;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(test::ownership(made).substr(test::ownership(made).rfind(':')), ":640");
    EXPECT_EQ(test::readBytes(made), oldRecord());
}

struct FullDiskCase {
    const char* name;
    bool hardLinked;  // rewritten in place rather than replaced
};

void PrintTo(const FullDiskCase& c, std::ostream* os) {
    *os << c.name;
}

class FullDisk : public SaveFolder, public ::testing::WithParamInterface<FullDiskCase> {};

// A file size limit below the record's 146 bytes, in a child that ignores the signal:
// the save reports "34" and the file keeps its old record whole, by either way of saving.
TEST_P(FullDisk, NeverLeavesHalfARecord) {
    if (GetParam().hardLinked) {
        const std::string other = base.path().toStdString() + "/OUTRO.DAT";
        ASSERT_EQ(::link(path.c_str(), other.c_str()), 0);
    }
    const std::vector<std::string> before = entries();
    const int result = test::runInChild(ChildSetup{100, false, {}}, [&] {
        const core::FileStatus status = ParameterFile(path).rewrite(newSettings());
        return status == "34" ? 0 : 1;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(test::readBytes(path), oldRecord());
    EXPECT_EQ(entries().size(), before.size());
}

INSTANTIATE_TEST_SUITE_P(Ways, FullDisk,
                         ::testing::Values(FullDiskCase{"ReplacedBeside", false},
                                           FullDiskCase{"RewrittenInPlace", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// An output file that is longer than the new bytes is cut to them when rewritten in place;
// a missing folder is reported as missing and nothing is made.
TEST_F(SaveFolder, InPlaceRewritesCutTheFileToTheNewBytes) {
    const std::string other = base.path().toStdString() + "/OUTRO.DAT";
    test::writeBytes(path, std::string(5000, 'x'));
    ASSERT_EQ(::link(path.c_str(), other.c_str()), 0);
    EXPECT_EQ(core::FileSaver::save(path, "short"), "00");
    EXPECT_EQ(test::readBytes(other), "short");
    EXPECT_EQ(core::FileSaver::save(base.path().toStdString() + "/sem-pasta/X.DAT", "x"), "35");
}

}  // namespace
