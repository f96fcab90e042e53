#include <gtest/gtest.h>

#include <QString>

#include "core/OrderLine.h"
#include "orders/LabelTypeCatalogue.h"
#include "orders/OrderTestLines.h"

using rotulano::core::OrderLine;
using rotulano::orders::rotinaMontaEtq;
using rotulano::test::TestLine;

namespace {

OrderLine lineWith(char code, const std::string& colour = "AZUL      ") {
    return OrderLine(TestLine().at(1, std::string("1") + code).at(196, colour));
}

struct CatalogueCase {
    char code;
    const char* portuguese;  // padded to 15 characters
    const char* english;
    const char* picture;
    const char* yellowPicture;
};

class Catalogue : public ::testing::TestWithParam<CatalogueCase> {};

TEST_P(Catalogue, GivesNamesPicturesAndGridText) {
    const CatalogueCase& c = GetParam();
    const auto pt = rotinaMontaEtq(lineWith(c.code), 1);
    EXPECT_EQ(pt.typeName, QString::fromUtf8(c.portuguese));
    EXPECT_EQ(pt.typeName.size(), 15);
    EXPECT_EQ(pt.gridText, QString::fromUtf8(c.portuguese) + QString(15, u' '));
    EXPECT_EQ(pt.pictureName, QString::fromLatin1(c.picture));
    EXPECT_EQ(pt.cellColour, 0xFFFFFFU);

    const auto en = rotinaMontaEtq(lineWith(c.code), 2);
    EXPECT_EQ(en.typeName, QString::fromUtf8(c.english));
    EXPECT_EQ(en.gridText.size(), 30);
    EXPECT_EQ(en.pictureName, QString::fromLatin1(c.picture));

    const auto yellow = rotinaMontaEtq(lineWith(c.code, "AMARELO   "), 1);
    EXPECT_EQ(yellow.pictureName, QString::fromLatin1(c.yellowPicture));
    EXPECT_EQ(yellow.cellColour, 0x00FFFFU);
    EXPECT_EQ(yellow.typeName, pt.typeName);
}

INSTANTIATE_TEST_SUITE_P(
    TenLabelTypes, Catalogue,
    ::testing::Values(
        CatalogueCase{'1', "TAG            ", "TAG            ", "IMG-TAG", "IMG-TAG-A"},
        CatalogueCase{'2', "Adesiva Pequena", "Small Adhesive ", "IMG-ADESIVA", "IMG-ADESIVA-A"},
        CatalogueCase{'3', "Adesiva Grande ", "Large Adhesive ", "IMG-TAG", "IMG-TAG-A"},
        CatalogueCase{'4', "TAG Oferta     ", "OFFER TAG      ", "IMG-OFERTA", "IMG-OFERTA"},
        CatalogueCase{'5', "Adesiva Oferta ", "OFFER Adhesive ", "IMG-OFERTA", "IMG-OFERTA"},
        CatalogueCase{'6', "TAG Anúncio    ", "Announced TAG  ", "IMG-CONFORME", "IMG-CONFORME"},
        CatalogueCase{'7', "Adesiva Anúncio", "Announced Adhes", "IMG-CONFORME", "IMG-CONFORME"},
        CatalogueCase{'8', "TAG Toalha     ", "TOWEL          ", "IMG-TOALHA", "IMG-TOALHA-A"},
        CatalogueCase{'9', "Consolidador   ", "Pack           ", "IMG-CONSOL", "IMG-CONSOL"},
        CatalogueCase{'A', "Interna        ", "Internal       ", "IMG-INTERN", "IMG-INTERN"}),
    [](const auto& info) { return std::string("Code") + info.param.code; });

TEST(Catalogue, EveryLanguageButPortugueseIsEnglish) {
    for (int language : {0, 2, 3, -1}) {
        EXPECT_EQ(rotinaMontaEtq(lineWith('7'), language).typeName,
                  QStringLiteral("Announced Adhes"))
            << language;
    }
    EXPECT_EQ(rotinaMontaEtq(lineWith('7'), 1).typeName, QStringLiteral("Adesiva Anúncio"));
}

struct ColourCase {
    const char* colour;
    unsigned colourValue;
};

class YellowRule : public ::testing::TestWithParam<ColourCase> {};

TEST_P(YellowRule, OnlyAmareloAndThreeBlanksIsYellow) {
    const auto view = rotinaMontaEtq(lineWith('1', GetParam().colour), 1);
    EXPECT_EQ(view.cellColour, GetParam().colourValue);
    EXPECT_EQ(view.pictureName, GetParam().colourValue == 0x00FFFF ? QStringLiteral("IMG-TAG-A")
                                                                   : QStringLiteral("IMG-TAG"));
}

INSTANTIATE_TEST_SUITE_P(
    Colours, YellowRule,
    ::testing::Values(ColourCase{"AMARELO   ", 0x00FFFF}, ColourCase{"amarelo   ", 0xFFFFFF},
                      ColourCase{"Amarelo   ", 0xFFFFFF}, ColourCase{"AMARELO  X", 0xFFFFFF},
                      ColourCase{"AMARELO.  ", 0xFFFFFF}, ColourCase{"AMARELO \xC7 ", 0xFFFFFF},
                      ColourCase{" AMARELO  ", 0xFFFFFF}, ColourCase{"AMARELOS  ", 0xFFFFFF},
                      ColourCase{"          ", 0xFFFFFF}));

TEST(Catalogue, UnknownCodeGivesBlankNameAndNoPicture) {
    // Looked up after a known code, so that nothing of the earlier lookup can carry over.
    const auto known = rotinaMontaEtq(lineWith('2'), 1);
    ASSERT_EQ(known.pictureName, QStringLiteral("IMG-ADESIVA"));
    for (char code : {'0', 'B', 'a', ' ', '\xD8'}) {
        const auto view = rotinaMontaEtq(lineWith(code, "AMARELO   "), 1);
        EXPECT_EQ(view.typeName, QString(15, u' ')) << code;
        EXPECT_EQ(view.gridText, QString(30, u' ')) << code;
        EXPECT_TRUE(view.pictureName.isEmpty()) << code;
        EXPECT_EQ(view.cellColour, 0x00FFFFU) << code;
    }
}

}  // namespace
