#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>

#include "core/GuardedFile.h"
#include "orders/LineReader.h"
#include "orders/OrderFileReader.h"
#include "orders/OrderTestLines.h"
#include "support/TestSupport.h"

using rotulano::orders::LineReader;
using rotulano::orders::LoadOutcome;
using rotulano::orders::OrderFileReader;
using rotulano::orders::OrderLoad;
using rotulano::test::headerLine;
using rotulano::test::itemLine;
using rotulano::test::orderFile;

namespace {

const char* const kLine3TooLong =
    "A linha 3 passa de 600 bytes sem fim de linha: esse não é um arquivo de Pedidos "
    "LOJASVERDELIS";

// `line` padded with `fill` to `length` bytes.
std::string padded(const std::string& line, std::size_t length, char fill) {
    std::string out = line;
    out.resize(length, fill);
    return out;
}

std::string soundStart() {
    return orderFile({headerLine(), itemLine('1')});
}

struct LongLineCase {
    const char* name;
    std::string bytes;
    const char* text;  // nullptr: the order loads
};

class LongLines : public ::testing::TestWithParam<LongLineCase> {};

// A line end must come within 600 bytes of the previous one; the file is refused whole,
// naming the line, however the long line is made.
TEST_P(LongLines, AreRefusedNamingTheLine) {
    const LongLineCase& c = GetParam();
    const OrderLoad load = OrderFileReader::readBytes(c.bytes);
    if (c.text == nullptr) {
        EXPECT_EQ(load.outcome, LoadOutcome::Loaded);
        EXPECT_EQ(load.items.size(), 2U);
        return;
    }
    EXPECT_EQ(load.outcome, LoadOutcome::Message);
    EXPECT_EQ(load.message.text, QString::fromUtf8(c.text));
    EXPECT_EQ(load.message.title, QStringLiteral("ATENÇÃO"));
    EXPECT_FALSE(load.headerShown);
    EXPECT_TRUE(load.items.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LongLines,
    ::testing::Values(
        LongLineCase{"ZerosAfterTheItem", soundStart() + std::string(100000, '\0'), kLine3TooLong},
        LongLineCase{"ExactlyTwiceARecord", soundStart() + std::string(600, '1'), kLine3TooLong},
        LongLineCase{"TwiceARecordThenLineEnd", soundStart() + std::string(600, '1') + "\n",
                     kLine3TooLong},
        LongLineCase{"CrsOnly", soundStart() + std::string(700, '\r') + "\n", kLine3TooLong},
        LongLineCase{"LongHeader", std::string(601, '0') + "\r\n" + itemLine('1').str(),
                     "A linha 1 passa de 600 bytes sem fim de linha: esse não é um arquivo de "
                     "Pedidos LOJASVERDELIS"},
        LongLineCase{
            "JustUnderTheLimit",
            orderFile({headerLine(), itemLine('1'), padded(itemLine('2'), 599, 'x')}, "\n"),
            nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// What this process has read from files so far, as the kernel counts it.
long long bytesReadByThisProcess() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = -1;
    while (io >> key >> value) {
        if (key == "rchar:") {
            return value;
        }
    }
    return -1;
}

// The refusal costs no more than the 600 bytes past the last line end, whatever the file's
// size: a 4 GB sparse file is refused after reading its start.
TEST(LongLinesInAFile, AreRefusedAfterReading600BytesPastTheLastLineEnd) {
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("IMAGEM.txt"));
    const std::string path = QFile::encodeName(name).toStdString();
    rotulano::test::writeBytes(path, soundStart());
    QFile file(name);
    ASSERT_TRUE(file.resize(4LL * 1024 * 1024 * 1024));
    const long long before = bytesReadByThisProcess();
    if (before < 0) {
        GTEST_SKIP() << "the kernel keeps no read count (/proc/self/io)";
    }
    const long long procRead = bytesReadByThisProcess() - before;  // the count's own cost
    const long long start = bytesReadByThisProcess();
    const OrderLoad load = OrderFileReader::read(path);
    const long long read = bytesReadByThisProcess() - start - procRead;
    EXPECT_EQ(load.message.text, QString::fromUtf8(kLine3TooLong));
    const long long lastLineEnd = static_cast<long long>(soundStart().size());
    EXPECT_GE(read, lastLineEnd + 600);
    EXPECT_LE(read, lastLineEnd + 600 + 64) << "other reads of the process are within 64 bytes";
}

// The file is changed between the first line and the rest of the read.
struct ChangeCase {
    const char* name;
    std::function<void(const std::string& path)> change;
    LineReader::Result end;
};

void appendByte(const std::string& path) {
    std::ofstream(path, std::ios::binary | std::ios::app) << 'x';
}

void cutShort(const std::string& path) {
    ASSERT_EQ(::truncate(path.c_str(), 400), 0);
}

void backdate(const std::string& path) {
    const timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

long long changeTimeNs(const std::string& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return static_cast<long long>(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec;
}

// Only the change time moves: the mode is set to what it was. The clock of file times is
// coarse, so the change is repeated until the time moved (for at most a second).
void touchStatusOnly(const std::string& path) {
    const long long before = changeTimeNs(path);
    for (int attempt = 0; attempt < 200 && changeTimeNs(path) == before; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    }
    ASSERT_NE(changeTimeNs(path), before);
}

void replaceUnderItsName(const std::string& path) {
    const std::string other = path + ".novo";
    rotulano::test::writeBytes(other, rotulano::test::readBytes(path));
    ASSERT_EQ(std::rename(other.c_str(), path.c_str()), 0);
}

void removeName(const std::string& path) {
    ASSERT_EQ(std::remove(path.c_str()), 0);
}

class ChangedWhileRead : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ChangedWhileRead, EndsInChangedNotInTheEndOfTheFile) {
    const ChangeCase& c = GetParam();
    QTemporaryDir dir;
    const std::string path = QFile::encodeName(dir.filePath(QStringLiteral("P.txt"))).toStdString();
    rotulano::test::writeBytes(path, orderFile({headerLine(), itemLine('1'), itemLine('2')}));
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    rotulano::core::GuardedFile file;
    ASSERT_EQ(file.open(path), "00");
    LineReader reader(file, path);
    std::string line;
    ASSERT_EQ(reader.next(line), LineReader::Result::Line);
    if (c.change) {
        c.change(path);
    }
    LineReader::Result result = LineReader::Result::Line;
    for (int lines = 0; lines < 10 && result == LineReader::Result::Line; ++lines) {
        result = reader.next(line);
    }
    EXPECT_EQ(result, c.end);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangedWhileRead,
    ::testing::Values(ChangeCase{"Unchanged", nullptr, LineReader::Result::EndOfFile},
                      ChangeCase{"Grown", appendByte, LineReader::Result::Changed},
                      ChangeCase{"CutShort", cutShort, LineReader::Result::Changed},
                      ChangeCase{"ModificationTime", backdate, LineReader::Result::Changed},
                      ChangeCase{"ChangeTime", touchStatusOnly, LineReader::Result::Changed},
                      ChangeCase{"Replaced", replaceUnderItsName, LineReader::Result::Changed},
                      ChangeCase{"Removed", removeName, LineReader::Result::Changed}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
