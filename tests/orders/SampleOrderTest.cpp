#include <gtest/gtest.h>

#include <QString>

#include "orders/ItemRow.h"
#include "orders/OrderFileReader.h"
#include "support/TestSupport.h"

using rotulano::orders::ItemRow;
using rotulano::orders::LoadOutcome;
using rotulano::orders::OrderFileReader;
using rotulano::orders::OrderLoad;
namespace orders = rotulano::orders;

namespace {

// The sample order shipped in samples/ is what a new operator opens first; it must load
// whole and show every label type.
class SampleOrder : public ::testing::Test {
  protected:
    void SetUp() override {
        load = OrderFileReader::read(rotulano::test::samplePath("PEDIDO.txt"));
        ASSERT_EQ(load.outcome, LoadOutcome::Loaded);
    }
    OrderLoad load;
};

TEST_F(SampleOrder, HasItsHeader) {
    EXPECT_EQ(load.header.supplierCnpj, "12345678000195");
    EXPECT_EQ(load.header.supplierName,
              "CONFEC\xC7\xD5"
              "ES ALVORADA LTDA      ");
    EXPECT_EQ(load.header.orderNumber, "004711");
    EXPECT_EQ(load.header.orderDate, "05122025");
    EXPECT_EQ(load.header.emailDate, "06122025");
}

TEST_F(SampleOrder, HasEveryLabelTypeInFileOrder) {
    std::string codes;
    for (const std::string& item : load.items) {
        ASSERT_EQ(item.size(), 300U);
        codes.push_back(item[1]);
    }
    EXPECT_EQ(codes, "1123456782399A");
}

TEST_F(SampleOrder, ShowsLatin1DescriptionsPricesAndQuantities) {
    const ItemRow calcao(load.items[3], 4, 1);
    EXPECT_EQ(calcao.cell(orders::kColDescription).text.trimmed(),
              QStringLiteral("CALÇÃO PRAIA ESTAMPADO"));
    EXPECT_EQ(load.items[3].substr(20, 6), "CAL\xC7\xC3O");
    EXPECT_EQ(calcao.cell(orders::kColPrice).units, 4990);
    const ItemRow lenco(load.items[9], 10, 1);
    EXPECT_EQ(lenco.cell(orders::kColQuantity).units, 1500);
}

TEST_F(SampleOrder, HasYellowItemsAndOffersWithAndWithoutOldPrice) {
    EXPECT_EQ(ItemRow(load.items[1], 2, 1).labelType().cellColour, 0x00FFFFU);
    EXPECT_EQ(ItemRow(load.items[8], 9, 1).labelType().pictureName, QStringLiteral("IMG-TOALHA-A"));
    EXPECT_EQ(load.items[4].substr(205, 8), "00009990");  // code 4 with old price
    EXPECT_EQ(load.items[5].substr(205, 8), "00000000");  // code 5 without
}

}  // namespace
