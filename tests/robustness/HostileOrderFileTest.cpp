#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <vector>

#include "orders/OrderFileReader.h"
#include "orders/OrderTestLines.h"
#include "robustness/HostileFiles.h"
#include "support/TestSupport.h"

using rotulano::orders::LoadOutcome;
using rotulano::orders::OrderFileReader;
using rotulano::orders::OrderLoad;
using rotulano::test::headerLine;
using rotulano::test::hostilePath;
using rotulano::test::itemLine;
using rotulano::test::orderFile;
using rotulano::test::stretched;

namespace {

const char* const kAtencao = "ATENÇÃO";
const char* const kTooManyItems =
    "Pedido com mais de 999 itens: divida o arquivo para poder imprimir";

void expectMessage(const OrderLoad& load, const char* text, const char* title, int type) {
    EXPECT_EQ(load.message.text, text == nullptr ? QString() : QString::fromUtf8(text));
    EXPECT_EQ(load.message.title, QString::fromUtf8(title));
    EXPECT_EQ(load.message.type, type);
}

// The file's lines without their line ends, as the chain wrote them.
std::vector<std::string> fileLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        end = end == std::string::npos ? bytes.size() : end;
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(HostileOrderBytes, EveryByteOfAnItemIsKeptAsRead) {
    for (const char* name : {"nul_in_text.txt", "latin1_accents.txt", "no_final_line_end.txt"}) {
        SCOPED_TRACE(name);
        const std::vector<std::string> lines =
            fileLines(rotulano::test::readBytes(hostilePath(name)));
        const OrderLoad load = OrderFileReader::read(hostilePath(name));
        ASSERT_EQ(load.items.size() + 1, lines.size());
        for (std::size_t i = 0; i < load.items.size(); ++i) {
            EXPECT_EQ(load.items[i], lines[i + 1]);
        }
    }
    const OrderLoad nul = OrderFileReader::read(hostilePath("nul_in_text.txt"));
    EXPECT_EQ(nul.items[0].substr(20, 16), std::string("CAMISETA\0\0GOLA V", 16));
}

// Lines as long as a line may be (600 bytes with the line end): only the record's 300
// count, the rest is read past. Longer lines refuse the file (OrderFileGuardsTest).
TEST(HostileOrderBytes, LongLinesKeepTheirFirst300Bytes) {
    rotulano::test::ScopedWorkingDir dir;
    const std::vector<std::string> lines = {
        stretched(headerLine(), 598, 'H'), stretched(itemLine('1'), 598, 'X'),
        stretched(itemLine('2'), 598, '\xE9'), stretched(itemLine('9'), 598, '\r')};
    rotulano::test::writeBytes(dir.file("long.txt"), orderFile(lines));
    const OrderLoad load = OrderFileReader::read(dir.file("long.txt"));
    EXPECT_EQ(load.outcome, LoadOutcome::Loaded);
    ASSERT_EQ(load.items.size(), 3U);
    EXPECT_EQ(load.items[0], itemLine('1').str());
    EXPECT_EQ(load.items[1], itemLine('2').str());
    EXPECT_EQ(load.items[2], itemLine('9').str());
}

struct CapacityCase {
    std::size_t items;
    LoadOutcome outcome;
    const char* text;
    std::size_t kept;
};

class HostileOrderCapacity : public ::testing::TestWithParam<CapacityCase> {};

// The grid numbers rows in three digits: an order of more items is refused whole, so
// that no item is ever left out of a job unnoticed.
TEST_P(HostileOrderCapacity, OrdersBeyond999ItemsAreRefusedWhole) {
    const CapacityCase& c = GetParam();
    rotulano::test::ScopedWorkingDir dir;
    std::vector<std::string> lines = {headerLine()};
    lines.insert(lines.end(), c.items, itemLine('1'));
    rotulano::test::writeBytes(dir.file("big.txt"), orderFile(lines));
    const OrderLoad load = OrderFileReader::read(dir.file("big.txt"));
    EXPECT_EQ(load.outcome, c.outcome);
    EXPECT_EQ(load.items.size(), c.kept);
    if (c.text == nullptr) {
        expectMessage(load, nullptr, "", 0);
    } else {
        expectMessage(load, c.text, kAtencao, 0x30);
        EXPECT_FALSE(load.headerShown);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Items, HostileOrderCapacity,
    ::testing::Values(CapacityCase{999, LoadOutcome::Loaded, nullptr, 999},
                      CapacityCase{1000, LoadOutcome::Message, kTooManyItems, 0},
                      CapacityCase{5000, LoadOutcome::Message, kTooManyItems, 0}));

}  // namespace
