// Windows only: the test build picks _win sources on Windows; the guard keeps a build
// that takes every source whole.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/FileSaver.h"
#include "core/SystemPath.h"
#include "core/WideText.h"
#include "core/WindowsFileCalls.h"
#include "core/WindowsFiles.h"

namespace rotulano::core {
namespace {

using test::identityOf;
using test::readWide;
using test::writeWide;

const std::string kOld(5000, 'o');
const std::string kNew = "^XA^FO10,10^FDN\xE9w^FS^XZ\r\n" + std::string(7000, 'n');

class FileSaverWinTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder_.valid()); }
    std::vector<std::wstring> names() const {
        auto found = folder_.names();
        std::sort(found.begin(), found.end());
        return found;
    }
    test::WindowsTestFolder folder_;
};

TEST_F(FileSaverWinTest, ANewFileHoldsTheBytesAndNothingIsLeftBeside) {
    EXPECT_EQ(FileSaver::save(folder_.file(L"out.bin"), kNew), kStatusOk);

    EXPECT_EQ(readWide(folder_.wide(L"out.bin")), kNew);
    EXPECT_EQ(names(), std::vector<std::wstring>{L"out.bin"});
}

// ReplaceFileW keeps a backup under a name of its own: the save deletes it once done.
TEST_F(FileSaverWinTest, AReplacedFileHoldsTheNewBytesWithNoBackupLeft) {
    ASSERT_TRUE(writeWide(folder_.wide(L"CD21PRM.DAT"), kOld));

    EXPECT_EQ(FileSaver::save(folder_.file(L"CD21PRM.DAT"), kNew), kStatusOk);

    EXPECT_EQ(readWide(folder_.wide(L"CD21PRM.DAT")), kNew);
    EXPECT_EQ(names(), std::vector<std::wstring>{L"CD21PRM.DAT"});
}

TEST_F(FileSaverWinTest, AHardLinkedFileIsRewrittenInPlaceForBothNames) {
    ASSERT_TRUE(writeWide(folder_.wide(L"a.bin"), kOld));
    ASSERT_TRUE(
        ::CreateHardLinkW(folder_.wide(L"b.bin").c_str(), folder_.wide(L"a.bin").c_str(), nullptr));
    const test::FileIdentity before = identityOf(folder_.wide(L"a.bin"));

    EXPECT_EQ(FileSaver::save(folder_.file(L"a.bin"), "short"), kStatusOk);

    EXPECT_EQ(readWide(folder_.wide(L"a.bin")), "short");
    EXPECT_EQ(readWide(folder_.wide(L"b.bin")), "short");
    const test::FileIdentity after = identityOf(folder_.wide(L"b.bin"));
    EXPECT_EQ(after.index, before.index);
    EXPECT_EQ(after.names, 2u);
    EXPECT_EQ(names(), (std::vector<std::wstring>{L"a.bin", L"b.bin"}));
}

// A symbolic link (a reparse point) stays a link: the file it leads to gets the bytes.
TEST_F(FileSaverWinTest, ASymbolicLinkStaysALinkAndItsFileGetsTheBytes) {
    ASSERT_TRUE(::CreateDirectoryW(folder_.wide(L"outra").c_str(), nullptr));
    ASSERT_TRUE(writeWide(folder_.wide(L"outra\\CD21PRM.DAT"), kOld));
    if (!::CreateSymbolicLinkW(folder_.wide(L"CD21PRM.DAT").c_str(),
                               folder_.wide(L"outra\\CD21PRM.DAT").c_str(), 0)) {
        GTEST_SKIP() << "no symbolic links here (error " << ::GetLastError() << ")";
    }
    if ((::GetFileAttributesW(folder_.wide(L"CD21PRM.DAT").c_str()) &
         FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        GTEST_SKIP() << "this system shows no reparse point for the link";
    }
    if (readWide(folder_.wide(L"CD21PRM.DAT")) != kOld) {
        GTEST_SKIP() << "this system does not open the file a link leads to (Wine)";
    }

    EXPECT_EQ(FileSaver::save(folder_.file(L"CD21PRM.DAT"), kNew), kStatusOk);

    EXPECT_EQ(readWide(folder_.wide(L"outra\\CD21PRM.DAT")), kNew);
    const DWORD attributes = ::GetFileAttributesW(folder_.wide(L"CD21PRM.DAT").c_str());
    EXPECT_NE(attributes & FILE_ATTRIBUTE_REPARSE_POINT, 0u);
    EXPECT_EQ(names(), (std::vector<std::wstring>{L"CD21PRM.DAT", L"outra"}));
}

// A link whose file is gone gets that file made, and stays a link, as on Linux. Windows
// shows such a link (a reparse point) and follows it when the save opens its name; Wine
// shows nothing at its name and does not follow the links it makes, so here both calls
// answer as Windows does: the link's name is a reparse point and opens the file it leads
// to. (Without that, Wine's save sees no file there and puts one in the link's place.)
TEST_F(FileSaverWinTest, ALinkWhoseFileIsGoneGetsItsFileMade) {
    const std::wstring link = folder_.wide(L"CD21PRM.DAT");
    const std::wstring target = folder_.wide(L"outra\\CD21PRM.DAT");
    ASSERT_TRUE(::CreateDirectoryW(folder_.wide(L"outra").c_str(), nullptr));
    if (!::CreateSymbolicLinkW(link.c_str(), target.c_str(), 0)) {
        GTEST_SKIP() << "no symbolic links here (error " << ::GetLastError() << ")";
    }
    const std::wstring named =
        wideSystemPath(folder_.file(L"CD21PRM.DAT"));  // as the save names it
    WindowsFileCalls calls = systemFileCalls();
    calls.attributes = [&](const wchar_t* name) {
        return name == named ? FILE_ATTRIBUTE_REPARSE_POINT : systemFileCalls().attributes(name);
    };
    calls.openInPlace = [&](const wchar_t* name) {
        return systemFileCalls().openInPlace(name == named ? target.c_str() : name);
    };

    EXPECT_EQ(saveThrough(calls, folder_.file(L"CD21PRM.DAT"), kNew), kStatusOk);

    EXPECT_EQ(readWide(target), kNew);
    // No file took the link's place (Wine shows no link at all where Windows shows it),
    // and nothing is left beside.
    const DWORD attributes = ::GetFileAttributesW(link.c_str());
    EXPECT_TRUE(attributes == INVALID_FILE_ATTRIBUTES ||
                (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        << attributes;
    for (const std::wstring& name : names()) {
        EXPECT_TRUE(name == L"CD21PRM.DAT" || name == L"outra")
            << QString::fromStdWString(name).toStdString();
    }
}

TEST_F(FileSaverWinTest, AReadOnlyFileIsNeverReplaced) {
    ASSERT_TRUE(writeWide(folder_.wide(L"ro.bin"), kOld));
    ASSERT_TRUE(::SetFileAttributesW(folder_.wide(L"ro.bin").c_str(), FILE_ATTRIBUTE_READONLY));

    const bool writeProtected = FileSaver::isWriteProtected(folder_.file(L"ro.bin"));
    const FileStatus status = FileSaver::save(folder_.file(L"ro.bin"), kNew);

    ::SetFileAttributesW(folder_.wide(L"ro.bin").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(writeProtected);
    EXPECT_EQ(status, kStatusNotPermitted);
    EXPECT_EQ(readWide(folder_.wide(L"ro.bin")), kOld);
}

struct RefusedName {
    const char* name;
    std::wstring file;
    FileStatus status;
};

void PrintTo(const RefusedName& refused, std::ostream* out) {
    *out << refused.name;
}

class RefusedNameTest : public FileSaverWinTest,
                        public ::testing::WithParamInterface<RefusedName> {};

// A folder is refused; a device name is refused by its name alone, never opened nor made.
TEST_P(RefusedNameTest, IsRefusedWithItsStatusAndNothingIsMade) {
    ASSERT_TRUE(::CreateDirectoryW(folder_.wide(L"pasta").c_str(), nullptr));

    EXPECT_EQ(FileSaver::save(folder_.file(GetParam().file), kNew), GetParam().status);

    EXPECT_EQ(names(), std::vector<std::wstring>{L"pasta"});
}

INSTANTIATE_TEST_SUITE_P(
    Names, RefusedNameTest,
    ::testing::Values(RefusedName{"Folder", L"pasta", kStatusAttributesConflict},
                      RefusedName{"NulDevice", L"NUL", kStatusNotRegularFile},
                      RefusedName{"PortWithExtension", L"COM1.txt", kStatusNotRegularFile},
                      RefusedName{"PrinterPort", L"lpt2", kStatusNotRegularFile}),
    [](const ::testing::TestParamInfo<RefusedName>& info) { return info.param.name; });

// Names outside Latin-1 reach their file: the test reads it back by its UTF-16 name.
TEST_F(FileSaverWinTest, WideNamesReachTheirFile) {
    const std::wstring name = L"pedido-\u0395\u03BB\u03BB\u03AC\u03B4\u03B1-\u4E2D\u6587.bin";

    EXPECT_EQ(FileSaver::save(folder_.file(name), kNew), kStatusOk);

    EXPECT_EQ(readWide(folder_.wide(name)), kNew);
    EXPECT_EQ(names(), std::vector<std::wstring>{name});
}

// A Windows name may hold a lone surrogate: kept as its three bytes, it still reaches its file.
TEST_F(FileSaverWinTest, ANameWithALoneSurrogateReachesItsFile) {
    const std::wstring name = std::wstring(L"meio-") + wchar_t(0xD800) + L".bin";
    const std::string path = pathFromWide(folder_.wide(name));
    if (!writeWide(folder_.wide(name), kOld)) {
        GTEST_SKIP() << "this file system takes no lone surrogate in a name (Wine keeps names "
                        "as UTF-8)";
    }

    EXPECT_EQ(FileSaver::save(path, kNew), kStatusOk);

    EXPECT_EQ(readWide(folder_.wide(name)), kNew);
}

// The failures no test machine gives on demand, through the calls the save makes.
class FailingCallsTest : public FileSaverWinTest {
  protected:
    // Writes the first half of the first write for real, then fails every write with a
    // full disk until `failures` have failed; later writes go through.
    WindowsFileCalls fullDiskAfterHalf(int failures) {
        WindowsFileCalls calls = systemFileCalls();
        calls.write = [this, failures](HANDLE file, const char* bytes, DWORD size, DWORD* written) {
            ++writes_;
            if (writes_ == 1 && size > 1) {
                return systemFileCalls().write(file, bytes, size / 2, written);
            }
            if (failed_ < failures) {
                ++failed_;
                ::SetLastError(ERROR_DISK_FULL);
                return FALSE;
            }
            return systemFileCalls().write(file, bytes, size, written);
        };
        return calls;
    }
    int writes_ = 0;
    int failed_ = 0;
};

TEST_F(FailingCallsTest, AFullDiskDuringASaveKeepsTheOldBytesAndLeavesNothingBeside) {
    ASSERT_TRUE(writeWide(folder_.wide(L"out.bin"), kOld));

    EXPECT_EQ(saveThrough(fullDiskAfterHalf(1), folder_.file(L"out.bin"), kNew), kStatusBoundary);

    EXPECT_EQ(readWide(folder_.wide(L"out.bin")), kOld);
    EXPECT_EQ(names(), std::vector<std::wstring>{L"out.bin"});
}

TEST_F(FailingCallsTest, AFullDiskInPlacePutsTheOldBytesBackForBothNames) {
    ASSERT_TRUE(writeWide(folder_.wide(L"a.bin"), kOld));
    ASSERT_TRUE(
        ::CreateHardLinkW(folder_.wide(L"b.bin").c_str(), folder_.wide(L"a.bin").c_str(), nullptr));

    EXPECT_EQ(saveThrough(fullDiskAfterHalf(1), folder_.file(L"a.bin"), kNew), kStatusBoundary);

    EXPECT_EQ(readWide(folder_.wide(L"a.bin")), kOld);
    EXPECT_EQ(readWide(folder_.wide(L"b.bin")), kOld);
    EXPECT_GE(writes_, 3);  // the half, the refused write, the old bytes put back
}

TEST_F(FailingCallsTest, ASpaceClaimRefusedInPlaceTouchesNoOldByte) {
    ASSERT_TRUE(writeWide(folder_.wide(L"a.bin"), kOld));
    ASSERT_TRUE(
        ::CreateHardLinkW(folder_.wide(L"b.bin").c_str(), folder_.wide(L"a.bin").c_str(), nullptr));
    WindowsFileCalls calls = systemFileCalls();
    calls.reserve = [](HANDLE, LONGLONG) {
        ::SetLastError(ERROR_DISK_FULL);
        return FALSE;
    };
    calls.write = [this](HANDLE, const char*, DWORD, DWORD*) {
        ++writes_;
        ::SetLastError(ERROR_GEN_FAILURE);
        return FALSE;
    };

    EXPECT_EQ(saveThrough(calls, folder_.file(L"a.bin"), kNew), kStatusBoundary);

    EXPECT_EQ(writes_, 0);
    EXPECT_EQ(readWide(folder_.wide(L"b.bin")), kOld);
}

struct StoppedReplace {
    const char* name;
    DWORD error;
    bool movesOldAside;
};

void PrintTo(const StoppedReplace& stopped, std::ostream* out) {
    *out << stopped.name;
}

class StoppedReplaceTest : public FileSaverWinTest,
                           public ::testing::WithParamInterface<StoppedReplace> {};

// ReplaceFileW may stop after moving the old file to the backup name
// (ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) or before (ERROR_UNABLE_TO_MOVE_REPLACEMENT):
// either way the name keeps its old bytes and nothing is left beside.
TEST_P(StoppedReplaceTest, TheNameKeepsItsOldBytes) {
    ASSERT_TRUE(writeWide(folder_.wide(L"CD21PRM.DAT"), kOld));
    WindowsFileCalls calls = systemFileCalls();
    const StoppedReplace stopped = GetParam();
    calls.replace = [stopped](const wchar_t* target, const wchar_t*, const wchar_t* backup) {
        if (stopped.movesOldAside) {
            ::MoveFileW(target, backup);
        }
        ::SetLastError(stopped.error);
        return FALSE;
    };

    EXPECT_EQ(saveThrough(calls, folder_.file(L"CD21PRM.DAT"), kNew), kStatusIoError);

    EXPECT_EQ(readWide(folder_.wide(L"CD21PRM.DAT")), kOld);
    EXPECT_EQ(names(), std::vector<std::wstring>{L"CD21PRM.DAT"});
}

INSTANTIATE_TEST_SUITE_P(
    Errors, StoppedReplaceTest,
    ::testing::Values(StoppedReplace{"BeforeMovingAside", ERROR_UNABLE_TO_MOVE_REPLACEMENT, false},
                      StoppedReplace{"AfterMovingAside", ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, true}),
    [](const ::testing::TestParamInfo<StoppedReplace>& info) { return info.param.name; });

}  // namespace
}  // namespace rotulano::core

#endif
