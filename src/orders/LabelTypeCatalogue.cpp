#include "orders/LabelTypeCatalogue.h"

namespace rotulano::orders {

namespace {

constexpr int kPortuguese = 1;

struct CatalogueEntry {
    char code;
    const char* portugueseName;  // UTF-8
    const char* englishName;
    const char* picture;
    const char* yellowPicture;
};

// The English name of code "7" is cut to the 15 characters of the name field.
constexpr CatalogueEntry kCatalogue[] = {
    {'1', "TAG", "TAG", "IMG-TAG", "IMG-TAG-A"},
    {'2', "Adesiva Pequena", "Small Adhesive", "IMG-ADESIVA", "IMG-ADESIVA-A"},
    {'3', "Adesiva Grande", "Large Adhesive", "IMG-TAG", "IMG-TAG-A"},
    {'4', "TAG Oferta", "OFFER TAG", "IMG-OFERTA", "IMG-OFERTA"},
    {'5', "Adesiva Oferta", "OFFER Adhesive", "IMG-OFERTA", "IMG-OFERTA"},
    {'6', "TAG Anúncio", "Announced TAG", "IMG-CONFORME", "IMG-CONFORME"},
    {'7', "Adesiva Anúncio", "Announced Adhes", "IMG-CONFORME", "IMG-CONFORME"},
    {'8', "TAG Toalha", "TOWEL", "IMG-TOALHA", "IMG-TOALHA-A"},
    {'9', "Consolidador", "Pack", "IMG-CONSOL", "IMG-CONSOL"},
    {'A', "Interna", "Internal", "IMG-INTERN", "IMG-INTERN"},
};

const CatalogueEntry* findEntry(char code) {
    for (const CatalogueEntry& entry : kCatalogue) {
        if (entry.code == code) {
            return &entry;
        }
    }
    return nullptr;
}

QString paddedName(const char* utf8) {
    return QString::fromUtf8(utf8)
        .left(LabelTypeView::kNameLength)
        .leftJustified(LabelTypeView::kNameLength, u' ');
}

}  // namespace

bool isYellowItem(const std::string& colour) {
    return colour == "AMARELO   ";
}

LabelTypeView rotinaMontaEtq(const core::OrderLine& line, int languageIndex) {
    LabelTypeView view;
    const bool yellow = isYellowItem(line.get(core::item::kColour));
    view.cellColour = yellow ? kCellYellow : kCellWhite;
    const CatalogueEntry* entry = findEntry(line.labelTypeCode());
    if (entry == nullptr) {
        return view;
    }
    view.typeName =
        paddedName(languageIndex == kPortuguese ? entry->portugueseName : entry->englishName);
    view.pictureName = QString::fromLatin1(yellow ? entry->yellowPicture : entry->picture);
    view.gridText = view.typeName + QString(LabelTypeView::kNameLength, u' ');
    return view;
}

}  // namespace rotulano::orders
