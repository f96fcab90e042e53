// Windows only: the test build picks _win sources on Windows; the guard keeps a build
// that takes every source whole.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/SystemPath.h"
#include "core/WindowsFiles.h"
#include "printing/FileBytes.h"
#include "printing/PrivateTempDir.h"
#include "printing/ProgramSignals.h"
#include "printing/SystemPlatform.h"

namespace rotulano::printing {
namespace {

using test::readWide;
using test::writeWide;

const std::string kLabel = "^XA^FO20,20^FDPre\xE7o^FS^XZ\r\n";

class PrintFilesWinTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder_.valid()); }
    // The folder's name with its separator, as the platform gives the shared one.
    std::string shared() const { return folder_.file(L""); }
    bool has(const std::wstring& name) const {
        const auto names = folder_.names();
        return std::find(names.begin(), names.end(), name) != names.end();
    }
    test::WindowsTestFolder folder_;
};

TEST_F(PrintFilesWinTest, APrintFileOverAnOldOneHoldsTheNewBytesOnly) {
    ASSERT_TRUE(writeWide(folder_.wide(L"0912345600.prn"), std::string(9000, 'o')));

    EXPECT_EQ(createFileBytes(folder_.file(L"0912345600.prn"), kLabel), core::kStatusOk);

    EXPECT_EQ(readWide(folder_.wide(L"0912345600.prn")), kLabel);
}

// A link planted at the print file's name is removed, never written through.
TEST_F(PrintFilesWinTest, APrintFileOverALinkRemovesTheLinkAndLeavesItsTarget) {
    ASSERT_TRUE(writeWide(folder_.wide(L"alvo.txt"), "keep me"));
    if (!::CreateSymbolicLinkW(folder_.wide(L"job.prn").c_str(), folder_.wide(L"alvo.txt").c_str(),
                               0)) {
        GTEST_SKIP() << "no symbolic links here (error " << ::GetLastError() << ")";
    }

    EXPECT_EQ(createFileBytes(folder_.file(L"job.prn"), kLabel), core::kStatusOk);

    EXPECT_EQ(readWide(folder_.wide(L"alvo.txt")), "keep me");
    EXPECT_EQ(readWide(folder_.wide(L"job.prn")), kLabel);
    const DWORD attributes = ::GetFileAttributesW(folder_.wide(L"job.prn").c_str());
    EXPECT_EQ(attributes & FILE_ATTRIBUTE_REPARSE_POINT, 0u);
}

TEST_F(PrintFilesWinTest, APrintFileWithAWideNameHoldsItsBytes) {
    const std::wstring name = L"\u0420\u0443\u0441-\u65E5.prn";

    EXPECT_EQ(createFileBytes(folder_.file(name), kLabel), core::kStatusOk);

    EXPECT_EQ(readWide(folder_.wide(name)), kLabel);
}

TEST_F(PrintFilesWinTest, TheSystemsTemporaryFolderEndsWithItsSeparatorAndExists) {
    SystemPlatform platform;
    const std::string temp = platform.tempDir();

    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), '\\');
    const DWORD attributes = ::GetFileAttributesW(core::wideSystemPath(temp).c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST_F(PrintFilesWinTest, APrintFolderIsMadeInTheSharedOneAndGoesWithItsFiles) {
    std::string made;
    {
        PrivateTempDir folder("rotulano");
        made = folder.path(shared());
        ASSERT_FALSE(made.empty());
        EXPECT_EQ(made.rfind(shared() + "rotulano-", 0), 0u) << made;
        EXPECT_EQ(made.back(), '\\');
        EXPECT_EQ(createFileBytes(made + "0912345600.prn", kLabel), core::kStatusOk);
        EXPECT_EQ(readWide(core::wideSystemPath(made + PrivateTempDir::markerName())).empty(),
                  false);
        // A live folder is never taken for stale.
        PrivateTempDir::removeStale(shared(), {kWindowFolderPrefix});
        EXPECT_NE(::GetFileAttributesW(core::wideSystemPath(made).c_str()),
                  INVALID_FILE_ATTRIBUTES);
    }
    EXPECT_TRUE(folder_.names().empty());
}

// A folder that a run which ended left behind, as it left it: its marker written and
// held by nobody.
void leaveFolder(const test::WindowsTestFolder& shared, const std::wstring& name,
                 const std::string& marker) {
    ASSERT_TRUE(::CreateDirectoryW(shared.wide(name).c_str(), nullptr));
    ASSERT_TRUE(writeWide(shared.wide(name + L"\\em-uso.trava"), marker));
    ASSERT_TRUE(writeWide(shared.wide(name + L"\\0912345600.prn"), kLabel));
}

TEST_F(PrintFilesWinTest, StaleFoldersGoAndEverythingElseStays) {
    leaveFolder(folder_, L"rotulano-abc123", "4242\r\n");
    leaveFolder(folder_, L"rotulano-render-xyz789", "4343\r\n");
    leaveFolder(folder_, L"rotulano-held00", "4444\r\n");
    leaveFolder(folder_, L"rotulano-empty0", "");
    leaveFolder(folder_, L"outro-abc123", "4545\r\n");
    // A live run holds its marker open for writing, sharing reads only.
    const HANDLE held = ::CreateFileW(folder_.wide(L"rotulano-held00\\em-uso.trava").c_str(),
                                      GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    PrivateTempDir::removeStale(shared(), {kWindowFolderPrefix, kRenderFolderPrefix});

    ::CloseHandle(held);
    EXPECT_FALSE(has(L"rotulano-abc123"));
    EXPECT_FALSE(has(L"rotulano-render-xyz789"));
    EXPECT_TRUE(has(L"rotulano-held00"));
    EXPECT_TRUE(has(L"rotulano-empty0"));
    EXPECT_TRUE(has(L"outro-abc123"));
    EXPECT_EQ(readWide(folder_.wide(L"rotulano-held00\\0912345600.prn")), kLabel);
}

// The console's requests to end keep the numbers, and so the exit statuses, of Linux's signals.
TEST(ProgramSignalsWinTest, TheConsolesRequestsAreNamedAsTheSignalsTheyStandFor) {
    EXPECT_EQ(ProgramSignals::name(2), "SIGINT");
    EXPECT_EQ(ProgramSignals::name(ProgramSignals::kHangUp), "SIGHUP");
    EXPECT_EQ(ProgramSignals::name(15), "SIGTERM");
    ProgramSignals endSignals;
    EXPECT_TRUE(endSignals.ready());
    EXPECT_EQ(endSignals.caught(), 0);
}

}  // namespace
}  // namespace rotulano::printing

#endif
