// Windows only: the test build picks _win sources on Windows; the guard keeps a build
// that takes every source whole.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <string>

#include "core/FileStamp.h"
#include "core/GuardedFile.h"
#include "core/OutputTarget.h"
#include "core/WindowsFiles.h"

namespace rotulano::core {
namespace {

using test::readWide;
using test::writeWide;

const std::string kOrder = "PEDIDO \xC7\xC3O\r\n" + std::string(3000, 'x') + "\r\n";

class GuardedFileWinTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder_.valid()); }
    test::WindowsTestFolder folder_;
};

// Latin-1 record bytes come out as they are, from a file whose name is outside Latin-1.
TEST_F(GuardedFileWinTest, ReadsTheExactBytesOfAFileWithAWideName) {
    const std::wstring name = L"pedido-\u0420\u0443\u0441-\u65E5\u672C.txt";
    ASSERT_TRUE(writeWide(folder_.wide(name), kOrder));
    std::string bytes;

    EXPECT_EQ(GuardedFile::readWhole(folder_.file(name), 1 << 20, bytes), kStatusOk);

    EXPECT_EQ(bytes, kOrder);
}

struct NotRead {
    const char* name;
    std::wstring file;
    FileStatus status;
};

void PrintTo(const NotRead& notRead, std::ostream* out) {
    *out << notRead.name;
}

class NotReadTest : public GuardedFileWinTest, public ::testing::WithParamInterface<NotRead> {};

// A device name is refused by its name: opening a port would take it from its printer.
TEST_P(NotReadTest, GetsItsStatusAndNoByte) {
    ASSERT_TRUE(::CreateDirectoryW(folder_.wide(L"pasta").c_str(), nullptr));
    std::string bytes = "left over";

    EXPECT_EQ(GuardedFile::readWhole(folder_.file(GetParam().file), 1 << 20, bytes),
              GetParam().status);

    EXPECT_EQ(bytes, "");
}

INSTANTIATE_TEST_SUITE_P(
    Names, NotReadTest,
    ::testing::Values(NotRead{"Missing", L"nao-existe.txt", kStatusNotFound},
                      NotRead{"Folder", L"pasta", kStatusAttributesConflict},
                      NotRead{"NulDevice", L"NUL", kStatusNotRegularFile},
                      NotRead{"SerialPort", L"COM1", kStatusNotRegularFile},
                      NotRead{"PortWithExtension", L"lpt1.txt", kStatusNotRegularFile}),
    [](const ::testing::TestParamInfo<NotRead>& info) { return info.param.name; });

TEST_F(GuardedFileWinTest, AFileLargerThanTheLimitIsNotRead) {
    ASSERT_TRUE(writeWide(folder_.wide(L"big.txt"), std::string(101, 'b')));
    std::string bytes;

    EXPECT_EQ(GuardedFile::readWhole(folder_.file(L"big.txt"), 100, bytes), kStatusBoundary);
    EXPECT_EQ(bytes, "");
}

// Two names of one file have one stamp (volume and index as device and inode); a
// rewrite of the same length changes it.
TEST_F(GuardedFileWinTest, TheStampTellsTheFileAndItsChanges) {
    ASSERT_TRUE(writeWide(folder_.wide(L"a.txt"), kOrder));
    ASSERT_TRUE(
        ::CreateHardLinkW(folder_.wide(L"b.txt").c_str(), folder_.wide(L"a.txt").c_str(), nullptr));
    ASSERT_TRUE(writeWide(folder_.wide(L"other.txt"), kOrder));
    FileStamp a;
    FileStamp b;
    FileStamp other;
    ASSERT_EQ(fileStampOf(folder_.file(L"a.txt"), a), kStatusOk);
    ASSERT_EQ(fileStampOf(folder_.file(L"b.txt"), b), kStatusOk);
    ASSERT_EQ(fileStampOf(folder_.file(L"other.txt"), other), kStatusOk);

    EXPECT_EQ(a, b);
    EXPECT_NE(a.inode, other.inode);
    EXPECT_EQ(a.size, static_cast<std::int64_t>(kOrder.size()));

    GuardedFile file;
    ASSERT_EQ(file.open(folder_.file(L"a.txt")), kStatusOk);
    FileStamp opened;
    ASSERT_EQ(file.stamp(opened), kStatusOk);
    EXPECT_EQ(opened, a);
}

// rotulano-render's -o: a wide name is written, two names of one file are one output.
TEST_F(GuardedFileWinTest, OutputNamesAreFilesByTheirIdentity) {
    const std::wstring name = L"sa\u00EDda-\u4E2D.zpl";
    const OutputTarget target(folder_.file(name));
    ASSERT_EQ(target.kind(), OutputTarget::Kind::File);

    EXPECT_EQ(target.write(kOrder), kStatusOk);

    EXPECT_EQ(readWide(folder_.wide(name)), kOrder);
    ASSERT_TRUE(
        ::CreateHardLinkW(folder_.wide(L"link.zpl").c_str(), folder_.wide(name).c_str(), nullptr));
    EXPECT_TRUE(OutputTarget::sameFile(folder_.file(name), folder_.file(L"link.zpl")));
    EXPECT_FALSE(OutputTarget::sameFile(folder_.file(name), folder_.file(L"new.zpl")));
    EXPECT_TRUE(OutputTarget::sameFile(folder_.file(L"new.zpl"), folder_.file(L"NEW.zpl")));
}

TEST_F(GuardedFileWinTest, OutputKindsFollowTheName) {
    ASSERT_TRUE(::CreateDirectoryW(folder_.wide(L"pasta").c_str(), nullptr));

    EXPECT_EQ(OutputTarget("-").kind(), OutputTarget::Kind::Standard);
    EXPECT_EQ(OutputTarget("NUL").kind(), OutputTarget::Kind::Stream);
    EXPECT_EQ(OutputTarget(folder_.file(L"pasta")).kind(), OutputTarget::Kind::Refused);
    EXPECT_EQ(OutputTarget(folder_.file(L"pasta")).refusal(), "uma pasta");
}

}  // namespace
}  // namespace rotulano::core

#endif
