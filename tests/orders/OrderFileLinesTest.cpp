#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "orders/LineReader.h"
#include "orders/OrderFileReader.h"
#include "orders/OrderTestLines.h"
#include "support/ChildProcess.h"
#include "support/TestSupport.h"

using rotulano::orders::LineReader;
using rotulano::orders::LoadOutcome;
using rotulano::orders::OrderFileReader;
using rotulano::orders::OrderLoad;
using rotulano::test::headerLine;
using rotulano::test::itemLine;
using rotulano::test::orderFile;
using rotulano::test::TestLine;

namespace {

struct LineEndCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

std::vector<std::string> readAll(const std::string& bytes) {
    LineReader reader{std::string_view(bytes)};
    std::vector<std::string> lines;
    std::string line;
    while (reader.next(line) == LineReader::Result::Line) {
        lines.push_back(line);
    }
    return lines;
}

class LineEnds : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEnds, AreNotPartOfTheLine) {
    EXPECT_EQ(readAll(GetParam().bytes), GetParam().lines);
}

const std::string k300(300, 'x');
const std::string k299 = std::string(299, 'y');

INSTANTIATE_TEST_SUITE_P(
    Reader, LineEnds,
    ::testing::Values(LineEndCase{"CrLf", "ab\r\ncd\r\n", {"ab", "cd"}},
                      LineEndCase{"LfAlone", "ab\ncd\n", {"ab", "cd"}},
                      LineEndCase{"Mixed", "ab\r\ncd\nef\r\n", {"ab", "cd", "ef"}},
                      LineEndCase{"LastLineWithoutEnd", "ab\r\ncd", {"ab", "cd"}},
                      LineEndCase{"LastLineEndsWithCr", "ab\r\ncd\r", {"ab", "cd"}},
                      LineEndCase{"CrInsideStays", "a\rb\r\n", {"a\rb"}},
                      LineEndCase{"EmptyLines", "\r\n\n", {"", ""}}, LineEndCase{"Nothing", "", {}},
                      LineEndCase{"Exactly300WithCrLf", k300 + "\r\n" + "z\n", {k300, "z"}},
                      LineEndCase{"Longer300IsCut", k300 + "TAIL\r\nz", {k300, "z"}},
                      LineEndCase{"Longer300IsCutAtLf", k300 + "TAIL\nz", {k300, "z"}},
                      LineEndCase{"CrRightAfter300", k300 + "\r", {k300}},
                      LineEndCase{"ByteAfter299IsKept", k299 + "\xE9\r\n", {k299 + "\xE9"}},
                      LineEndCase{
                          "NulBytesKept", std::string("a\0b\n", 4), {std::string("a\0b", 3)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineReader, CrossesChunkBoundariesOfAFile) {
    // Lines of 301 bytes with CR LF do not line up with the reader's 64 KiB chunks, so
    // some CR LF pairs are split between two reads.
    std::string bytes;
    for (int i = 0; i < 700; ++i) {
        bytes += std::string(300, static_cast<char>('A' + i % 26)) + "\r\n";
    }
    QTemporaryDir dir;
    const std::string path = dir.filePath("chunks.txt").toStdString();
    rotulano::test::writeBytes(path, bytes);
    rotulano::core::GuardedFile file;
    ASSERT_EQ(file.open(path), "00");
    LineReader reader(file, path);
    std::string line;
    int count = 0;
    while (reader.next(line) == LineReader::Result::Line) {
        ASSERT_EQ(line, std::string(300, static_cast<char>('A' + count % 26))) << count;
        ++count;
    }
    EXPECT_EQ(count, 700);
}

// Lines ended by LF alone, as an order saved on Linux.
TEST(OrderFileReader, ShortLinesArePaddedAndLongOnesCut) {
    const std::string shortItem = "1100000500123456789";
    const std::string longItem = itemLine('2').str() + "EXTRA BYTES BEYOND THE RECORD";
    const OrderLoad load = OrderFileReader::readBytes(
        orderFile({headerLine(), itemLine('9').str().substr(0, 60), longItem}, "\n"));
    ASSERT_EQ(load.items.size(), 2U);
    EXPECT_EQ(load.items[0], itemLine('9').str().substr(0, 60) + std::string(240, ' '));
    EXPECT_EQ(load.items[1], itemLine('2').str());
    const OrderLoad noPrice = OrderFileReader::readBytes(orderFile({headerLine(), shortItem}));
    EXPECT_EQ(noPrice.outcome, LoadOutcome::Message);  // blanks in 51-58 are no price
}

std::string orderOf(int items) {
    std::vector<std::string> lines = {headerLine()};
    for (int i = 0; i < items; ++i) {
        lines.push_back(itemLine('1', "000001"));
    }
    return orderFile(lines);
}

TEST(OrderFileReader, RefusesAnOrderOfMoreThan999ItemsWhole) {
    const OrderLoad load = OrderFileReader::readBytes(orderOf(1000));
    EXPECT_EQ(load.outcome, LoadOutcome::Message);
    EXPECT_EQ(load.message.text,
              QStringLiteral("Pedido com mais de 999 itens: divida o arquivo para poder imprimir"));
    EXPECT_EQ(load.message.title, QStringLiteral("ATENÇÃO"));
    EXPECT_EQ(load.message.type, 0x30);
    EXPECT_TRUE(load.items.empty());
    EXPECT_FALSE(load.headerShown);
}

TEST(OrderFileReader, LoadsAnOrderOf999ItemsAmongSkippedLines) {
    std::vector<std::string> lines = {headerLine()};
    for (int i = 0; i < 999; ++i) {
        lines.push_back(itemLine('1', "000001"));
        lines.push_back(TestLine(itemLine('1')).at(1, "3"));
    }
    const OrderLoad load = OrderFileReader::readBytes(orderFile(lines));
    EXPECT_EQ(load.outcome, LoadOutcome::Loaded);
    EXPECT_EQ(load.items.size(), 999U);
}

TEST(OrderFileReader, MissingFileIsAnOpenFailureWithStatus35) {
    QTemporaryDir dir;
    const OrderLoad load = OrderFileReader::read(dir.filePath("NAOEXISTE.txt").toStdString());
    EXPECT_EQ(load.outcome, LoadOutcome::OpenFailed);
    EXPECT_EQ(load.status, "35");
    EXPECT_FALSE(load.headerShown);
    EXPECT_TRUE(load.message.text.isEmpty());
}

// The administrator reads every file, so the reading runs as an operator who may not.
TEST(OrderFileReader, UnreadableFileIsAnOpenFailureWithStatus37) {
    if (!rotulano::test::operatorRunsPossible()) {
        GTEST_SKIP() << "no user \"nobody\" to read the order as";
    }
    QTemporaryDir dir;
    ASSERT_TRUE(rotulano::test::openToOperator(dir.path().toStdString()));
    const std::string path = dir.filePath("PEDIDO.txt").toStdString();
    rotulano::test::writeBytes(path, orderFile({headerLine(), itemLine('1')}));
    QFile::setPermissions(QString::fromStdString(path), QFileDevice::WriteOwner);
    const auto run = rotulano::test::answerAsOperator(dir.path().toStdString(), [&] {
        const OrderLoad load = OrderFileReader::read(path);
        return std::string(load.outcome == LoadOutcome::OpenFailed ? "OpenFailed " : "other ") +
               load.status;
    });
    ASSERT_EQ(run.exitCode, 0) << "the reading as \"nobody\" did not end well";
    EXPECT_EQ(run.out, "OpenFailed 37");
}

TEST(OrderFileReader, ADirectoryIsNeverOpenedAndGetsStatus39) {
    QTemporaryDir dir;
    const OrderLoad load = OrderFileReader::read(dir.path().toStdString());
    EXPECT_EQ(load.outcome, LoadOutcome::OpenFailed);
    EXPECT_EQ(load.status, "39");
    EXPECT_FALSE(load.headerShown);
    EXPECT_TRUE(load.items.empty());
}

}  // namespace
