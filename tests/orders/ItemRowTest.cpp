#include <gtest/gtest.h>

#include <QString>

#include "orders/ItemRow.h"
#include "orders/OrderTestLines.h"

using rotulano::orders::CellValue;
using rotulano::orders::ItemRow;
using rotulano::test::TestLine;

namespace {

// What a column is expected to hold: a text, or a number of units with its decimals.
struct Expected {
    int column;
    bool isNumber;
    const char* text;
    long long units;
    int decimals;
};

Expected text(int column, const char* value) {
    return {column, false, value, 0, 0};
}
Expected number(int column, long long units, int decimals = 0) {
    return {column, true, "", units, decimals};
}

void expectColumns(const ItemRow& row, const std::vector<Expected>& columns) {
    for (const Expected& e : columns) {
        const CellValue& cell = row.cell(e.column);
        EXPECT_EQ(cell.isNumber, e.isNumber) << "column " << e.column;
        if (e.isNumber) {
            EXPECT_EQ(cell.units, e.units) << "column " << e.column;
            EXPECT_EQ(cell.decimals, e.decimals) << "column " << e.column;
        } else {
            EXPECT_EQ(cell.text, QString::fromLatin1(e.text)) << "column " << e.column;
        }
    }
}

const std::string kStandard = TestLine()
                                  .at(1, "14")
                                  .at(5, "000012")
                                  .at(11, "0012345678")
                                  .at(21, "CAMISA POLO PIQUET \xC9LAN")
                                  .at(51, "00001990")
                                  .at(78, "REF-FORN-0001")
                                  .at(94, "AB CD  EF")
                                  .at(136, "TAM")
                                  .at(139, "GG")
                                  .at(159, "100% ALGODAO")
                                  .at(194, "07")
                                  .at(196, "AZUL")
                                  .at(206, "00002990")
                                  .at(214, "LADO DIREITO")
                                  .at(231, "RODAPE DA ETIQUETA");

TEST(ItemRow, StandardLayoutColumns) {
    const ItemRow row(kStandard, 7, 1);
    EXPECT_EQ(row.record(), kStandard);
    expectColumns(row, {
                           text(2, ""),
                           number(3, 7),
                           number(4, 12),
                           number(5, 12345678),
                           text(6, "TAG Oferta                    "),
                           text(7, "CAMISA POLO PIQUET \xC9LAN       "),
                           text(8, "GG                  "),
                           text(9, "LADO DIREITO     "),
                           text(10, "RODAPE DA ETIQUETA                "),
                           number(11, 1990, 2),
                       });
    EXPECT_EQ(row.labelType().cellColour, 0xFFFFFFU);
}

TEST(ItemRow, PackLayoutColumns) {
    const std::string line = TestLine()
                                 .at(1, "19")
                                 .at(3, "01")
                                 .at(5, "000003")
                                 .at(11, "7891234567895")
                                 .at(24, "KIT 3 TOALHAS BANHO")
                                 .at(51, "ABCDEFGH")
                                 .at(139, "IGNORED SIZE")
                                 .at(196, "AMARELO   ")
                                 .at(214, "IGNORED SIDE");
    const ItemRow row(line, 12, 2);
    expectColumns(row, {
                           text(2, ""),
                           number(3, 12),
                           number(4, 3),
                           text(5, "7891234567895"),
                           text(6, "Pack                          "),
                           text(7, "KIT 3 TOALHAS BANHO        ABC"),  // 51-53 are description here
                           number(8, 67),  // positions 19-20 of the pack code
                           text(9, ""),
                           text(10, ""),
                           number(11, 0, 2),
                       });
    EXPECT_EQ(row.labelType().cellColour, 0x00FFFFU);
}

TEST(ItemRow, InternalLayoutColumns) {
    const std::string line = TestLine()
                                 .at(1, "1A")
                                 .at(5, "000600")
                                 .at(11, "0000004321")
                                 .at(21, "ETIQ INTERNA 01")
                                 .at(36, "LOTE0042")
                                 .at(44, "SETOR 12A")
                                 .at(53, "CX000017")
                                 .at(139, "IGNORED SIZE");
    const ItemRow row(line, 999, 1);
    expectColumns(row, {
                           number(3, 999),
                           number(4, 600),
                           number(5, 4321),
                           text(6, "Interna                       "),
                           text(7, "ETIQ INTERNA 01"),
                           text(8, "SETOR 12A"),
                           text(9, "LOTE0042"),
                           text(10, "CX000017"),
                           number(11, 0, 2),
                       });
}

TEST(ItemRow, UnknownCodeUsesTheStandardLayoutAndABlankType) {
    const ItemRow row(TestLine(kStandard).at(2, "Q"), 1, 1);
    expectColumns(row, {
                           text(6, "                              "),
                           number(11, 1990, 2),
                           text(8, "GG                  "),
                       });
    EXPECT_TRUE(row.labelType().pictureName.isEmpty());
}

TEST(ItemRow, UncheckedProductCodeCountsLettersAsZero) {
    const ItemRow row(TestLine(kStandard).at(11, "12X4567 90"), 1, 1);
    expectColumns(row, {number(5, 1204567090)});
}

TEST(ItemRow, ShortLineIsPaddedTo300Bytes) {
    const ItemRow row("11000001", 1, 1);
    EXPECT_EQ(row.record(), "11000001" + std::string(292, ' '));
}

}  // namespace
