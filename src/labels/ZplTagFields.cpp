#include "labels/ZplTagFields.h"

#include "core/FixedRecord.h"
#include "labels/TextRules.h"

namespace rotulano::labels {

namespace {

// The box, caption and size commands, left out when the size is blank.
void addSizeGroup(std::vector<ZplField>& fields, const ZplTagSlots& slots, int boxY) {
    if (!slots.hasSize) {
        return;
    }
    fields.push_back({56, boxY, "^GB280,28,3^FS"});
    fields.push_back({0, boxY + 4, "^A0N,024,024^FD" + slots.sizeCaption + ":^FS"});
    fields.push_back({84, boxY + 8, "^A0N,019,024^FD" + slots.size + "^FS"});
}

std::string priceIntegerText(const ZplTagSlots& slots) {
    return slots.price.integerPart + "^FS";
}

}  // namespace

std::vector<ZplField> zplTagFields(const ZplTagSlots& slots, int yShift) {
    std::vector<ZplField> fields;
    addSizeGroup(fields, slots, 192 + yShift);
    fields.push_back({140, 8, "^XGR:LOGOVRDL.GRF,1,1^FS"});
    fields.push_back({0, 360, "^A0N,019,019^FD" + slots.footerText + " ^FS"});
    fields.push_back({40, 84 + yShift, "^ADN,018,010^FD" + slots.codeLine + "^FS"});
    fields.push_back({40, 104 + yShift, "^BEN,48,N,N^FD" + slots.barCode + "^FS"});
    fields.push_back({0, 172 + yShift, "^A0N,019,019^FD" + slots.complementText + "^FS"});
    fields.push_back({0, 228 + yShift, "^A0N,024,024^FD" + slots.description + "^FS"});
    fields.push_back({slots.priceX, 260 + yShift, "^A0N,100,168^FD" + priceIntegerText(slots)});
    fields.push_back({292, 264 + yShift, "^A0N,030,034^FD," + slots.price.decimals + "^FS"});
    fields.push_back({0, 264 + yShift, "^A0N,032,040^FDR$     ^FS"});
    fields.push_back({344, 152, "^A0B,019,019  ^FD" + slots.sideText + "^FS"});
    return fields;
}

std::vector<ZplField> zplOfferFields(const ZplTagSlots& slots) {
    std::vector<ZplField> fields;
    addSizeGroup(fields, slots, 222);
    fields.push_back({0, 404, "^A0N,019,019^FD" + slots.footerText + " ^FS"});
    fields.push_back({40, 138, "^ADN,018,010^FD" + slots.codeLine + "^FS"});
    fields.push_back({40, 158, "^BEN,32,N,N^FD" + slots.barCode + "^FS"});
    fields.push_back({0, 206, "^A0N,019,019^FD" + slots.complementText + "^FS"});
    fields.push_back({0, 254, "^A0N,019,019^FD" + slots.description + "^FS"});
    fields.push_back({slots.priceX, 270, "^A0N,075,168^FD" + priceIntegerText(slots)});
    fields.push_back({292, 274, "^A0N,030,034^FD," + slots.price.decimals + "^FS"});
    fields.push_back({0, 274, "^A0N,032,040^FDR$     ^FS"});
    fields.push_back({344, 152, "^A0B,019,019  ^FD" + slots.sideText + "^FS"});
    return fields;
}

std::vector<ZplField> zplOfferOldPriceFields(const ZplTagSlots& slots,
                                             const EditedAmount& oldPrice) {
    std::vector<ZplField> fields;
    addSizeGroup(fields, slots, 246);
    fields.push_back({40, 138, "^ADN,018,010^FD" + slots.codeLine + "^FS"});
    fields.push_back({40, 158, "^BEN,48,N,N^FD" + slots.barCode + "^FS"});
    fields.push_back({0, 226, "^A0N,019,019^FD" + slots.complementText + "^FS"});
    fields.push_back({0, 282, "^A0N,024,024^FD" + slots.description + "^FS"});
    fields.push_back({slots.priceX, 350, "^A0N,100,168^FD" + priceIntegerText(slots)});
    fields.push_back({292, 358, "^A0N,030,034^FD," + slots.price.decimals + "^FS"});
    fields.push_back({0, 358, "^A0N,020,020^FDPor R$ ^FS"});
    fields.push_back({344, 152, "^A0B,019,019  ^FD" + slots.sideText + "^FS"});
    fields.push_back({184, 312, "^ACN,034,030^FD" + letterOForZero(oldPrice.integerPart) + "^FS"});
    fields.push_back({288, 316, "^A0N,016,016^FD," + oldPrice.decimals + "^FS"});
    fields.push_back({0, 316, "^A0N,024,024^FDDe R$  ^FS"});
    fields.push_back({176, 324, "^GB144,0,3^FS", 4});
    return fields;
}

}  // namespace rotulano::labels
