#include <gtest/gtest.h>

#include <QString>

#include "orders/OrderFileReader.h"
#include "orders/OrderTestLines.h"

using rotulano::orders::LoadOutcome;
using rotulano::orders::OrderFileReader;
using rotulano::orders::OrderLoad;
using rotulano::test::headerLine;
using rotulano::test::itemLine;
using rotulano::test::orderFile;
using rotulano::test::TestLine;

namespace {

const char* const kAtencao = "ATENÇÃO";
const char* const kNotAnOrder = "VOCE NÃO SELECIONOU UM ARQUIVO DE PEDIDOS LOJASVERDELIS";
const char* const kHeaderType =
    "Erro na estrutura do arquivo ou esse não é um arquivo de Pedidos LOJASVERDELIS";
const char* const kTooNew =
    "Sua versão do Rotulano está DESATUALIZADA, atualize para poder processar esse arquivo";
const char* const kTooOld =
    "Esse arquivo é de uma versão anterior do Rotulano e não pode ser processado";
const char* const kNoItems =
    "Pedido sem itens a serem impressos, ou esse não é um arquivo de Pedidos LOJASVERDELIS";
const char* const kBadType = "Tipo de registro é inválido ou erro na estrutura do arquivo";
const char* const kBadPrice = "Campo preço é inválido ou erro na estrutura do arquivo";
const char* const kBadQuantity = "Campo quantidade é inválido ou erro na estrutura do arquivo";

struct WarningCase {
    const char* name;
    std::string file;
    const char* text;
    bool headerShown;
    std::size_t itemsKept;
};

std::string binaryGarbage() {
    std::string bytes;
    for (int i = 0; i < 2000; ++i) {
        bytes.push_back(static_cast<char>((i * 37 + 11) % 256));
    }
    return bytes;
}

std::vector<WarningCase> warningCases() {
    const std::string header = headerLine();
    const std::string item = itemLine('1');
    return {
        {"EmptyFile", "", kNotAnOrder, false, 0},
        {"BinaryGarbage", binaryGarbage(), kNotAnOrder, false, 0},
        {"LetterInPosition2", orderFile({TestLine(header).at(2, "X"), item}), kNotAnOrder, false,
         0},
        {"LetterInCnpj", orderFile({TestLine(header).at(16, "-"), item}), kNotAnOrder, false, 0},
        {"ShortFirstLine", orderFile({"0123456789", item}), kNotAnOrder, false, 0},
        {"HeaderTypeNotZero", orderFile({TestLine(header).at(1, "1"), item}), kHeaderType, false,
         0},
        {"Version020501", orderFile({headerLine("020501"), item}), kTooNew, false, 0},
        {"Version990000", orderFile({headerLine("990000"), item}), kTooNew, false, 0},
        {"Version020399", orderFile({headerLine("020399"), item}), kTooOld, false, 0},
        {"VersionBlank", orderFile({headerLine("      "), item}), kTooOld, false, 0},
        {"VersionWithLetter", orderFile({headerLine("02050A"), item}), kTooOld, false, 0},
        {"FirstLineAfterHeaderType2", orderFile({header, TestLine(item).at(1, "2")}), kNoItems,
         true, 0},
        {"FirstLineAfterHeaderIsHeader", orderFile({header, header}), kNoItems, true, 0},
        {"SecondHeaderWithBlanksInPriceField",
         orderFile({header, item, TestLine(header).at(53, "  ")}), kBadPrice, true, 1},
        {"FirstLineAfterHeaderBadType", orderFile({header, TestLine(item).at(1, "X")}), kBadType,
         true, 0},
        {"Type2WithBadPriceGetsPriceMessage",
         orderFile({header, TestLine(item).at(1, "2").at(55, "AB")}), kBadPrice, true, 0},
        {"BlankLineAfterItems", orderFile({header, item, item, ""}), kBadType, true, 2},
        {"BadPriceThirdItem", orderFile({header, item, item, itemLine('2', "000001", "0000 990")}),
         kBadPrice, true, 2},
        {"BadQuantitySecondItem", orderFile({header, item, itemLine('1', "00001X")}), kBadQuantity,
         true, 1},
        {"SkippedLineStillChecked",
         orderFile({header, item, TestLine(item).at(1, "2").at(5, "     1"), item}), kBadQuantity,
         true, 1},
        {"QuantityOfPackChecked", orderFile({header, item, itemLine('9', "ABCDEF")}), kBadQuantity,
         true, 1},
        {"PriceBeforeQuantity", orderFile({header, itemLine('3', "00000X", "0000199X")}), kBadPrice,
         true, 0},
        {"TypeBeforePrice",
         orderFile({header, item, itemLine('3', "000001", "0000199X").at(1, "*")}), kBadType, true,
         1},
    };
}

class OrderFileWarnings : public ::testing::TestWithParam<WarningCase> {};

TEST_P(OrderFileWarnings, StopWithTheirWarningAndKeepWhatCameBefore) {
    const WarningCase& c = GetParam();
    const OrderLoad load = OrderFileReader::readBytes(c.file);
    EXPECT_EQ(load.outcome, LoadOutcome::Message);
    EXPECT_EQ(load.message.text, QString::fromUtf8(c.text));
    EXPECT_EQ(load.message.title, QString::fromUtf8(kAtencao));
    EXPECT_EQ(load.message.type, 0x30);
    EXPECT_EQ(load.headerShown, c.headerShown);
    EXPECT_EQ(load.items.size(), c.itemsKept);
    for (const std::string& kept : load.items) {
        EXPECT_EQ(kept, itemLine('1').str());
    }
}

INSTANTIATE_TEST_SUITE_P(FailureTable, OrderFileWarnings, ::testing::ValuesIn(warningCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OrderFileReader, HeaderOnlyShowsHeaderAndStructureErrorWithDefaults) {
    const OrderLoad load = OrderFileReader::readBytes(orderFile({headerLine()}));
    EXPECT_EQ(load.outcome, LoadOutcome::Message);
    EXPECT_EQ(load.message.text, QStringLiteral("Erro na Estrutura do Arquivo"));
    EXPECT_TRUE(load.message.title.trimmed().isEmpty());
    EXPECT_EQ(load.message.type, 0);
    EXPECT_TRUE(load.headerShown);
    EXPECT_TRUE(load.items.empty());
    EXPECT_EQ(load.header.orderNumber, "004711");
}

TEST(OrderFileReader, AcceptsTheOldestAndNewestVersions) {
    for (const char* version : {"020400", "020450", "020500"}) {
        const OrderLoad load =
            OrderFileReader::readBytes(orderFile({headerLine(version), itemLine('1')}));
        EXPECT_EQ(load.outcome, LoadOutcome::Loaded) << version;
        EXPECT_EQ(load.items.size(), 1U) << version;
        EXPECT_TRUE(load.message.text.isEmpty()) << version;
    }
}

TEST(OrderFileReader, OrderNumberWithLettersCountsThemAsZero) {
    const OrderLoad load = OrderFileReader::readBytes(
        orderFile({TestLine(headerLine()).at(47, "12A4 6"), itemLine('1')}));
    EXPECT_EQ(load.header.orderNumber, "12A4 6");
    EXPECT_EQ(load.header.orderNumberDigits(), "120406");
}

TEST(OrderFileReader, SkipsOtherRecordTypesAfterTheFirstItem) {
    const std::string second = itemLine('2', "000003", "00000990");
    const OrderLoad load = OrderFileReader::readBytes(
        orderFile({headerLine(), itemLine('1'), TestLine(itemLine('1')).at(1, "2"), headerLine(),
                   TestLine(itemLine('4')).at(1, "9"), second}));
    EXPECT_EQ(load.outcome, LoadOutcome::Loaded);
    ASSERT_EQ(load.items.size(), 2U);
    EXPECT_EQ(load.items[0], itemLine('1').str());
    EXPECT_EQ(load.items[1], second);
}

TEST(OrderFileReader, PackAndInternalItemsNeedNoPriceDigits) {
    const OrderLoad load = OrderFileReader::readBytes(orderFile(
        {headerLine(), itemLine('9', "000002", "ABCDEFGH"), itemLine('A', "000004", "XY   Z  ")}));
    EXPECT_EQ(load.outcome, LoadOutcome::Loaded);
    EXPECT_EQ(load.items.size(), 2U);
}

TEST(OrderFileReader, UnknownLabelCodeIsStillAnItemWithPriceChecked) {
    const OrderLoad good = OrderFileReader::readBytes(orderFile({headerLine(), itemLine('Z')}));
    EXPECT_EQ(good.outcome, LoadOutcome::Loaded);
    EXPECT_EQ(good.items.size(), 1U);
    const OrderLoad bad =
        OrderFileReader::readBytes(orderFile({headerLine(), itemLine('Z', "000001", "ABCDEFGH")}));
    EXPECT_EQ(bad.message.text, QString::fromUtf8(kBadPrice));
}

}  // namespace
