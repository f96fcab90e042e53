#include "LabelItems.h"

namespace rotulano::labels::test {

namespace {
constexpr core::FieldSpan kPackQuantity{5, 6};
}  // namespace

core::OrderLine commonItem(char code) {
    namespace item = core::item;
    core::OrderLine line;
    line.set(item::kRecordType, "1");
    line.set(item::kLabelTypeCode, std::string(1, code));
    line.set(item::kQuantity, "000003");
    line.set(item::kProductCode, "1234567890");
    line.set(item::kDescription, "DESCRICAO DO PRODUTO XYZ");
    line.set(item::kPrice, "00012345");
    line.set(item::kSupplierReference, "REF-FORNEC-0001");
    line.set(item::kItemReference, "F95TEXTO");
    line.set(item::kSizeCaption, "TAM");
    line.set(item::kSize, "GG");
    line.set(item::kComplementText, "TEXTO-D6");
    line.set(item::kSectionCode, "12");
    line.set(item::kOldPrice, "00000000");
    line.set(item::kSideText, "COL9-TEXTO");
    line.set(item::kFooterText, "COL10-TEXTO");
    line.set(item::kOrderNumber, "654321");
    return line;
}

core::OrderLine accentedItem(char code) {
    namespace item = core::item;
    core::OrderLine line = commonItem(code);
    line.set(item::kDescription, "CAMISETA MANGA CURTA B\xC1SICA");
    line.set(item::kSizeCaption, "N\xDAM");
    line.set(item::kSize, "\xDANICO");
    line.set(item::kComplementText, "100% ALGOD\xC3O \x96 \x93SOFT\x94");
    line.set(item::kSideText, "VER\xC3O 2026 \x80");
    line.set(item::kFooterText, std::string("COR: A\xC7") + "A\xCD \x95 \xC2MBAR");
    line.set(item::kItemReference, "CAMIS\xC3O");
    line.set(item::kSupplierReference, "REF-A\xC7\xC3O-0001");
    line.set(item::kColour, std::string("A\xC7") + "A\xCD");
    return line;
}

core::OrderLine packItem() {
    core::OrderLine line;
    line.set(core::item::kRecordType, "1");
    line.set(core::item::kLabelTypeCode, "9");
    line.set(core::pack::kPackSuffix, "07");
    line.set(kPackQuantity, "000005");
    line.set(core::pack::kPackCode, "7891234567895");
    line.set(core::pack::kPackDescription, "CAIXA COM 12 TOALHAS");
    line.set(core::pack::kSupplierReference, "REF-PACOTE-7388");
    line.set(core::item::kOrderNumber, "654321");
    return line;
}

core::OrderLine internalItem() {
    core::OrderLine line;
    line.set(core::item::kRecordType, "1");
    line.set(core::item::kLabelTypeCode, "A");
    line.set(core::item::kQuantity, "000007");
    line.set(core::item::kProductCode, "1020304050");
    line.set(core::internal::kDescription, "CAMISETA BASICA");
    line.set(core::internal::kInternalText1, "LOJA0001");
    line.set(core::internal::kInternalText2, "SETOR 012");
    line.set(core::internal::kInternalText3, "AREA0002");
    line.set(core::item::kOrderNumber, "654321");
    return line;
}

core::PrinterSettings zebraSettings() {
    core::PrinterSettings settings = core::PrinterSettings::defaults();
    settings.setModel(5);
    settings.setDarkness(15);
    settings.setLeftMargin(2);
    settings.setTopMargin(3);
    settings.setSpeed('C');
    return settings;
}

core::PrinterSettings withMargins(core::PrinterSettings settings, int millimetres) {
    settings.setLeftMargin(millimetres);
    settings.setTopMargin(millimetres);
    return settings;
}

std::string printFile(const LabelOutput& output) {
    std::string bytes;
    for (const std::string& line : output.lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

}  // namespace rotulano::labels::test
